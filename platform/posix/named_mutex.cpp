#include "platform/posix/named_mutex.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/polled_mutex.h"

namespace zlx::platform::posix {

namespace {

class PosixNamedMutex final : public NamedMutex {
  public:
    PosixNamedMutex(const std::string& path, Clock& clock)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)),
          clock_(clock) {}
    ~PosixNamedMutex() override {
        release();
        if (fd_ >= 0) ::close(fd_);
    }

    std::uint32_t wait(std::uint32_t timeoutMs) override {
        if (fd_ < 0) return kWaitTimeout;
        return pollMutex(clock_, timeoutMs, [this] {
            if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) return kWaitTimeout;
            held_ = true;
            return kWaitObject0;
        });
    }

    void release() override {
        if (held_ && fd_ >= 0) ::flock(fd_, LOCK_UN);
        held_ = false;
    }

  private:
    int fd_;
    Clock& clock_;
    bool held_ = false;
};

// Mutex names may hold characters a file name cannot.
std::string fileNameFor(const std::string& name) {
    std::string out;
    for (char c : name) out += (c == '/' || c == '\\' || c == '\0') ? '_' : c;
    return out;
}

}  // namespace

std::unique_ptr<NamedMutex> PosixNamedMutexes::create(const std::string& name) {
    return std::make_unique<PosixNamedMutex>(directory_ + "/" + fileNameFor(name) + ".mutex",
                                             clock_);
}

}  // namespace zlx::platform::posix
