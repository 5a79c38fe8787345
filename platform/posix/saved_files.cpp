#include "platform/posix/saved_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <vector>

namespace zlx::platform::posix {

bool PosixSavedFiles::replaceFile(const std::string& path, const std::string& bytes,
                                  std::string& reason) {
    std::string pattern = path + ".XXXXXX";
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
    if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        reason = std::strerror(errno);
        ::unlink(name.data());
        return false;
    }
    if (::rename(name.data(), path.c_str()) != 0) {
        reason = std::strerror(errno);
        ::unlink(name.data());
        return false;
    }
    return true;
}

}  // namespace zlx::platform::posix
