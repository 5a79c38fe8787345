#include "platform/posix/saved_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <vector>

namespace zlx::platform::posix {

namespace {

// Links are followed this many times at most, as the kernel does, so a loop of links ends.
constexpr int kMaxLinkHops = 40;

std::string folderOf(const std::string& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a save must replace: the path itself, or the file its chain of symbolic links
// ends at, so that saving over a link updates what the link points to and keeps the link.
bool resolveTarget(const std::string& path, std::string& target, std::string& reason) {
    target = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        std::vector<char> buffer(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) +
                                 1);
        ssize_t n = ::readlink(target.c_str(), buffer.data(), buffer.size());
        if (n < 0) {
            reason = std::strerror(errno);
            return false;
        }
        std::string next(buffer.data(), static_cast<std::size_t>(n));
        target = next.starts_with('/') ? next : folderOf(target) + "/" + next;
    }
    reason = std::strerror(ELOOP);
    return false;
}

}  // namespace

bool PosixSavedFiles::replaceFile(const std::string& path, const std::string& bytes,
                                  std::string& reason) {
    if (path.empty() || path.ends_with('/')) {
        reason = "the name ends with \"/\", so it names a folder, not a file";
        return false;
    }
    std::string target;
    if (!resolveTarget(path, target, reason)) return false;
    struct stat existing {};
    bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        reason = "it is a folder";
        return false;
    }

    std::string pattern = target + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    auto fail = [&](int error) {
        reason = std::strerror(error);
        ::close(fd);
        ::unlink(name.data());
        return false;
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    // A file that existed keeps its permissions and, where we may set it, its owner.
    mode_t mode = exists ? (existing.st_mode & 07777) : 0644;
    if (exists && ::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        // Only a privileged user may give a file away; the permissions still carry over.
    }
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        reason = std::strerror(errno);
        ::unlink(name.data());
        return false;
    }
    if (::rename(name.data(), target.c_str()) != 0) {
        reason = std::strerror(errno);
        ::unlink(name.data());
        return false;
    }
    return true;
}

}  // namespace zlx::platform::posix
