#include "platform/posix/saved_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <vector>

namespace zlx::platform::posix {

namespace {

// Links are followed this many times at most, as the kernel does, so a loop of links ends.
constexpr int kMaxLinkHops = 40;
// A temporary whose name is taken, or that a concurrent sweep removed between its creation
// and its lock, is made again under a new name this many times at most.
constexpr int kTemporaryAttempts = 8;

std::string folderOf(const std::string& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Whether `info`'s owner is trusted in the folder `path` is in. The kernel's rule for links and
// files in shared folders (fs.protected_symlinks, fs.protected_regular): in a sticky folder
// that everybody may write to, only what belongs to the user or to the folder's owner is
// followed or replaced. Otherwise another user could make the save replace any file the user
// may write, or keep the saved log as their own.
bool ownerTrusted(const std::string& path, const struct stat& info) {
    struct stat folder {};
    if (::stat(folderOf(path).c_str(), &folder) != 0) return false;
    bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || info.st_uid == ::geteuid() || info.st_uid == folder.st_uid;
}

// The file a save must replace: the path itself, or the file its chain of symbolic links
// ends at, so that saving over a link updates what the link points to and keeps the link.
bool resolveTarget(const std::string& path, std::string& target, std::string& reason) {
    target = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        if (!ownerTrusted(target, info)) {
            reason = "it is a link made by another user in a folder everybody may write to";
            return false;
        }
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

constexpr const char* kTemporaryPrefix = ".zlxdiag-save-";

// Temporaries of this user's saves that were killed before they could clean up: a live save
// holds a lock on its temporary, so one whose lock is free belongs to nobody.
void removeStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, kTemporaryPrefix, std::strlen(kTemporaryPrefix)) != 0)
            continue;
        int fd = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dirFd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

// A name for a temporary that nobody can foresee. Without the kernel's random bytes the name
// is a fixed one: O_EXCL still keeps the save from opening a file someone else made.
std::string randomSuffix() {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char bytes[8] = {};
    std::size_t got = 0;
    while (got < sizeof bytes) {
        ssize_t n = ::getrandom(bytes + got, sizeof bytes - got, 0);
        if (n < 0 && errno != EINTR) break;
        if (n > 0) got += static_cast<std::size_t>(n);
    }
    std::string suffix;
    for (unsigned char b : bytes) suffix += kLetters[b % (sizeof kLetters - 1)];
    return suffix;
}

// A new temporary file in `folder`, locked for as long as it is open; -1 with errno set. It is
// made with mode 0666, so the user's umask decides who may read it, as for any new file.
int createTemporary(const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        std::string candidate = folder + "/" + kTemporaryPrefix + randomSuffix();
        int fd =
            ::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return -1;
        }
        struct stat info {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink > 0) {
            name = candidate;
            return fd;
        }
        ::close(fd);
    }
    errno = EAGAIN;
    return -1;
}

// A replaced file keeps its owner, where the user may give it one, and its permissions, but
// never a set-user-ID or set-group-ID bit: a saved log is no program.
bool takeOverPermissions(int fd, const struct stat& existing) {
    if (existing.st_uid != ::geteuid() && ::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        // Only a privileged user may give a file away; the permissions still carry over.
    }
    return ::fchmod(fd, existing.st_mode & 07777 & ~(S_ISUID | S_ISGID)) == 0;
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
    bool exists = ::lstat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        reason = "it is a folder";
        return false;
    }
    // Replacing a device, a pipe or a socket with a log would break what uses it, and writing
    // into it is no save.
    if (exists && !S_ISREG(existing.st_mode)) {
        reason = "it is not a regular file (a device, a pipe or a socket)";
        return false;
    }
    if (exists && !ownerTrusted(target, existing)) {
        reason = "it belongs to another user in a folder everybody may write to";
        return false;
    }

    std::string folder = folderOf(target);
    removeStaleTemporaries(folder);
    std::string name;
    int fd = createTemporary(folder, name);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    auto fail = [&](int error) {
        reason = std::strerror(error);
        ::unlink(name.c_str());
        ::close(fd);
        return false;
    };
    // Before any byte is written, so the log is never readable by more users than it ends
    // up with.
    if (exists && !takeOverPermissions(fd, existing)) return fail(errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return fail(errno);
    // Renamed while still locked, so a sweep by another save never takes it for a leftover.
    if (::rename(name.c_str(), target.c_str()) != 0) return fail(errno);
    if (::close(fd) != 0) {
        // The data reached the disk (fsync above); a late close error changes nothing.
    }
    return true;
}

}  // namespace zlx::platform::posix
