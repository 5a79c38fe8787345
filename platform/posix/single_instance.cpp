#include "platform/posix/single_instance.h"

#include "platform/posix/instance_dir.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace zlx::platform::posix {

namespace {
bool socketAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}
}  // namespace

PosixSingleInstance::PosixSingleInstance(std::string name, std::string directory)
    : base_(std::move(directory) + "/" + std::move(name)) {}

PosixSingleInstance::~PosixSingleInstance() {
    stopListening();
    releaseMutex();
    if (shared_) ::munmap(shared_, sizeof(std::uint64_t));
    if (sharedFd_ >= 0) ::close(sharedFd_);
}

bool PosixSingleInstance::createMutex() {
    if (lockFd_ >= 0) return true;
    // Without the lock nobody can tell whether another copy runs: that is an error to report,
    // never a reason to run as the only copy or to end quietly as the second one.
    std::string path = base_ + ".lock";
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        throw InstanceError("the lock " + path + " cannot be opened: " + std::strerror(errno));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) return false;
        throw InstanceError("the lock " + path + " cannot be taken: " + std::strerror(error));
    }
    lockFd_ = fd;
    // The shared value starts at zero for a new first copy, as a freshly loaded section does.
    writeSharedMainWindow(0);
    return true;
}

void PosixSingleInstance::releaseMutex() {
    if (lockFd_ < 0) return;
    ::flock(lockFd_, LOCK_UN);
    ::close(lockFd_);
    lockFd_ = -1;
}

std::uint64_t* PosixSingleInstance::sharedValue() {
    if (shared_) return static_cast<std::uint64_t*>(shared_);
    sharedFd_ =
        ::open((base_ + ".qordexi").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (sharedFd_ < 0) return nullptr;
    if (::ftruncate(sharedFd_, sizeof(std::uint64_t)) != 0) return nullptr;
    void* mapped =
        ::mmap(nullptr, sizeof(std::uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, sharedFd_, 0);
    if (mapped == MAP_FAILED) return nullptr;
    shared_ = mapped;
    return static_cast<std::uint64_t*>(shared_);
}

std::uint64_t PosixSingleInstance::readSharedMainWindow() {
    std::uint64_t* value = sharedValue();
    return value ? std::atomic_ref<std::uint64_t>(*value).load() : 0;
}

void PosixSingleInstance::writeSharedMainWindow(std::uint64_t window) {
    if (std::uint64_t* value = sharedValue()) std::atomic_ref<std::uint64_t>(*value).store(window);
}

bool PosixSingleInstance::requestActivation(std::uint64_t window) {
    sockaddr_un address;
    if (!socketAddress(base_ + ".sock", address)) return false;
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // The holder answers one byte once its handler has taken the request, so that this copy
    // ends only after the activation is on its way; a holder that hangs is given up on.
    timeval patience{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    char ack = 0;
    bool done = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                ::send(fd, &window, sizeof window, MSG_NOSIGNAL) == sizeof window &&
                ::recv(fd, &ack, 1, 0) == 1;
    ::close(fd);
    return done;
}

void PosixSingleInstance::setActivationHandler(std::function<void(std::uint64_t)> handler) {
    {
        std::lock_guard lock(handlerMutex_);
        handler_ = std::move(handler);
    }
    bool wanted = static_cast<bool>(handler_);
    if (!wanted) {
        stopListening();
        return;
    }
    if (listenFd_ >= 0 || lockFd_ < 0) return;  // only the holder of the mutex listens
    sockaddr_un address;
    std::string path = base_ + ".sock";
    if (!socketAddress(path, address)) return;
    ::unlink(path.c_str());  // a socket left by a crashed holder
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 4) != 0 || ::pipe2(wakePipe_, O_CLOEXEC) != 0) {
        ::close(fd);
        return;
    }
    listenFd_ = fd;
    listener_ = std::thread([this] { listen(); });
}

void PosixSingleInstance::listen() {
    for (;;) {
        pollfd fds[2] = {{listenFd_, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents) return;
        if (!(fds[0].revents & POLLIN)) continue;
        int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        timeval patience{5, 0};
        ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        std::uint64_t window = 0;
        ssize_t got = ::recv(client, &window, sizeof window, MSG_WAITALL);
        if (got == sizeof window) {
            std::lock_guard lock(handlerMutex_);
            if (handler_) handler_(window);
            char ack = 1;
            ::send(client, &ack, 1, MSG_NOSIGNAL);
        }
        ::close(client);
    }
}

void PosixSingleInstance::stopListening() {
    if (listenFd_ < 0) return;
    char wake = 1;
    [[maybe_unused]] ssize_t written = ::write(wakePipe_[1], &wake, 1);
    if (listener_.joinable()) listener_.join();
    ::close(listenFd_);
    ::close(wakePipe_[0]);
    ::close(wakePipe_[1]);
    listenFd_ = -1;
    wakePipe_[0] = wakePipe_[1] = -1;
    ::unlink((base_ + ".sock").c_str());
}

}  // namespace zlx::platform::posix
