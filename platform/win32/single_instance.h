#pragma once
// The single-instance guard between real Windows processes:
// - the mutex is a named kernel mutex, released by the kernel when its holder ends;
// - the shared main-window value is 8 bytes of a named file mapping;
// - the activation request travels over a named pipe that the mutex's holder serves, and is
//   acknowledged with one byte once handled.

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/process.h"

namespace zlx::platform::win32 {

// The activation pipe of the objects named `base` ("<scope>.<name>"). Pipes have no session
// namespaces, so a scope in "Local\" takes the logon session's number into the pipe's name and
// every session has its own; a "Global\" scope has one pipe for the machine.
std::wstring activationPipeName(const std::string& base, std::uint32_t sessionId);

class Win32SingleInstance final : public SingleInstance {
  public:
    // `name` is the mutex's name, the same for every copy of the program; `scope` from
    // instance_scope.h.
    Win32SingleInstance(std::string name, std::string scope);
    ~Win32SingleInstance() override;

    // Throws InstanceError when the mutex cannot be made for another reason than a copy
    // holding it.
    bool createMutex() override;
    void releaseMutex() override;
    std::uint64_t readSharedMainWindow() override;
    void writeSharedMainWindow(std::uint64_t window) override;
    bool requestActivation(std::uint64_t window) override;
    void setActivationHandler(std::function<void(std::uint64_t)> handler) override;

  private:
    // Handles are kept as void* so this header needs no <windows.h>.
    std::uint64_t* sharedValue();
    // The listener runs while this copy holds the mutex and has a handler.
    void startListening();
    void stopListening();
    // Serves `pipe`, the first instance of the activation pipe, and the instances after it.
    void listen(void* pipe);
    std::wstring pipeName() const;

    std::string base_;
    void* mutex_ = nullptr;
    void* mapping_ = nullptr;
    void* view_ = nullptr;
    void* stopEvent_ = nullptr;
    std::thread listener_;
    std::mutex handlerMutex_;
    std::function<void(std::uint64_t)> handler_;
};

}  // namespace zlx::platform::win32
