#pragma once
// The single-instance guard between real processes of this machine:
// - the mutex is an exclusive flock on a lock file, released by the kernel when its holder
//   ends, so a crashed first copy never blocks later starts;
// - the shared main-window value is 8 bytes of a file mapped shared by every copy;
// - the activation request travels over a Unix socket that the holder of the lock listens on.

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/process.h"

namespace zlx::platform::posix {

class PosixSingleInstance final : public SingleInstance {
  public:
    // `name` is the mutex's name, the same for every copy of the program.
    explicit PosixSingleInstance(std::string name, std::string directory);
    ~PosixSingleInstance() override;

    // Throws InstanceError when the lock cannot be opened or taken for another reason than a
    // copy holding it.
    bool createMutex() override;
    void releaseMutex() override;
    std::uint64_t readSharedMainWindow() override;
    void writeSharedMainWindow(std::uint64_t window) override;
    bool requestActivation(std::uint64_t window) override;
    void setActivationHandler(std::function<void(std::uint64_t)> handler) override;

  private:
    std::uint64_t* sharedValue();
    void stopListening();
    void listen();

    std::string base_;
    int lockFd_ = -1;
    int sharedFd_ = -1;
    void* shared_ = nullptr;
    int listenFd_ = -1;
    int wakePipe_[2] = {-1, -1};
    std::thread listener_;
    std::mutex handlerMutex_;
    std::function<void(std::uint64_t)> handler_;
};

// The name every copy of the program uses for its single-instance mutex.
inline constexpr const char* kInstanceMutexName = "{6F1D3C2A-8B47-4E59-A0C3-5D2E9B7F4A16}";

}  // namespace zlx::platform::posix
