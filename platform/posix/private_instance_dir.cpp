#include "platform/posix/private_instance_dir.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace zlx::platform::posix {

namespace {

constexpr const char* kPrefix = "zlxdiag-run-";
// A fresh folder removed by a concurrent sweep before its lock was taken is made again this
// many times at most.
constexpr int kAttempts = 8;

// Removes the files in the folder open as `fd`, then the folder `name` in `parentFd`.
void removeFolder(int parentFd, const char* name, int fd) {
    int listFd = ::dup(fd);
    DIR* dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!dir) {
        if (listFd >= 0) ::close(listFd);
        return;
    }
    std::vector<std::string> entries;
    while (const dirent* entry = ::readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            entries.emplace_back(entry->d_name);
    ::closedir(dir);
    for (const std::string& entry : entries) ::unlinkat(fd, entry.c_str(), 0);
    ::unlinkat(parentFd, name, AT_REMOVEDIR);
}

// Folders of this user's runs that were killed before they could clean up: a live run holds a
// lock on its folder, so one whose lock is free belongs to nobody.
void removeStaleFolders(const std::string& base) {
    DIR* dir = ::opendir(base.c_str());
    if (!dir) return;
    int baseFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, kPrefix, std::strlen(kPrefix)) != 0) continue;
        int fd = ::openat(baseFd, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && info.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            removeFolder(baseFd, entry->d_name, fd);
        ::close(fd);
    }
    ::closedir(dir);
}

}  // namespace

PrivateInstanceDirectory::PrivateInstanceDirectory() {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) base = "/tmp";
    removeStaleFolders(base.string());
    std::string pattern = (base / (std::string(kPrefix) + "XXXXXX")).string();
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        // mkdtemp makes the folder with mode 0700 and a name nobody could have planted.
        if (!::mkdtemp(name.data())) {
            error_ = pattern + ": " + std::strerror(errno);
            return;
        }
        int fd = ::open(name.data(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        struct stat info {};
        if (fd >= 0 && ::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink > 0) {
            lockFd_ = fd;
            path_ = name.data();
            return;
        }
        if (fd >= 0) ::close(fd);
    }
    error_ = pattern + ": " + std::strerror(EAGAIN);
}

PrivateInstanceDirectory::~PrivateInstanceDirectory() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    if (lockFd_ >= 0) ::close(lockFd_);
}

}  // namespace zlx::platform::posix
