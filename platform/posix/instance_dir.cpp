#include "platform/posix/instance_dir.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zlx::platform::posix {

namespace {

std::string octal(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

[[noreturn]] void refuse(const std::string& path, const std::string& why) {
    throw InstanceError("the instance folder " + path + " " + why +
                        "; remove it, or set ZLXDIAG_INSTANCE_DIR to a private folder");
}

// Whether the folder that holds `path` lets anybody remove or rename what is in it: written by
// everybody and not sticky.
bool inOpenFolder(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
    auto slash = trimmed.rfind('/');
    std::string parent = slash == std::string::npos ? "."
                         : slash == 0               ? "/"
                                                    : trimmed.substr(0, slash);
    struct stat info {};
    return ::stat(parent.c_str(), &info) == 0 && (info.st_mode & S_IWOTH) &&
           !(info.st_mode & S_ISVTX);
}

}  // namespace

std::string privateFolder(const std::string& path) {
    // Another user could replace a folder there with one of their own between two starts.
    if (inOpenFolder(path))
        refuse(path, "is in a folder that everybody may write to and that is not sticky");
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        refuse(path, std::string("cannot be created: ") + std::strerror(errno));
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        refuse(path, std::string("cannot be examined: ") + std::strerror(errno));
    if (S_ISLNK(info.st_mode)) refuse(path, "is a symbolic link");
    if (!S_ISDIR(info.st_mode)) refuse(path, "is not a folder");
    if (info.st_uid != ::getuid())
        refuse(path, "belongs to user " + std::to_string(info.st_uid) + ", not to this user (" +
                         std::to_string(::getuid()) + ")");
    if ((info.st_mode & 07777) != 0700)
        refuse(path, "has mode " + octal(info.st_mode) + " instead of 0700");
    return path;
}

std::string instanceDirectory() {
    // A folder named by the environment is no more trusted than the shared fallback: the
    // variable may be inherited from, or set by, somebody else.
    if (const char* explicitDir = std::getenv("ZLXDIAG_INSTANCE_DIR"); explicitDir && *explicitDir)
        return privateFolder(explicitDir);
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return privateFolder(std::string(runtime) + "/zlxdiag");
    return privateFolder("/tmp/zlxdiag-" + std::to_string(::getuid()));
}

std::uint32_t currentProcessId() {
    return static_cast<std::uint32_t>(::getpid());
}

}  // namespace zlx::platform::posix
