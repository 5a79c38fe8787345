#pragma once
// Processes and kernel objects that cross process boundaries.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/stop_signal.h"
#include "platform/windows_types.h"

namespace zlx::platform {

inline constexpr std::uint32_t kWaitObject0 = 0;
inline constexpr std::uint32_t kWaitAbandoned = 0x80;

// The most of a ping's output that is kept, whatever runs the ping: a flood of lines must not
// grow the program without bound, and a few lines are all the test shows.
inline constexpr std::size_t kMaxPingOutput = 64 * 1024;

// One run of the system's ping program for one IPv4 address.
struct PingResult {
    Win32Error startResult = kErrorSuccess;  // the program could not be started when not 0
    bool timedOut = false;                   // still running at the limit, and ended then
    bool stopped = false;                    // ended early because the program is ending
    std::string output;                      // standard output, bytes in the OEM code page
    bool outputCut = false;                  // more than kMaxPingOutput came; the rest dropped

    // Adds output as it arrives, up to kMaxPingOutput.
    void keepOutput(std::string_view bytes) {
        std::size_t room = kMaxPingOutput - std::min(output.size(), kMaxPingOutput);
        if (bytes.size() > room) outputCut = true;
        output.append(bytes.substr(0, std::min(room, bytes.size())));
    }
};

class Processes {
  public:
    virtual ~Processes() = default;
    // Starts the ping program directly, with its arguments (no command interpreter), reads its
    // standard output through a pipe and ends it once `limit` has passed. `target` must be a
    // dotted-decimal IPv4 address; the caller checks it.
    virtual PingResult ping(const std::string& target, Millis limit, StopSignal& stop) = 0;
};

// A named mutex shared by the processes of this machine (CreateMutexW / WaitForSingleObject).
class NamedMutex {
  public:
    virtual ~NamedMutex() = default;
    // kWaitObject0, kWaitAbandoned or kWaitTimeout.
    virtual std::uint32_t wait(std::uint32_t timeoutMs) = 0;
    virtual void release() = 0;
};

class NamedMutexes {
  public:
    virtual ~NamedMutexes() = default;
    virtual std::unique_ptr<NamedMutex> create(const std::string& name) = 0;
};

// The program's single-instance guard and the window value that every copy of the program
// shares. The activation of the first copy's window happens in the first copy's process.
class SingleInstance {
  public:
    virtual ~SingleInstance() = default;
    // CreateMutexW with initial ownership: false when the mutex already existed.
    virtual bool createMutex() = 0;
    virtual void releaseMutex() = 0;
    virtual std::uint64_t readSharedMainWindow() = 0;
    virtual void writeSharedMainWindow(std::uint64_t window) = 0;
    // Asks the copy that owns the mutex to restore and bring forward `window`'s last active
    // pop-up. Returns false when no copy answers.
    virtual bool requestActivation(std::uint64_t window) = 0;
    // The first copy's handler of such requests; it runs on a thread of its own.
    virtual void setActivationHandler(std::function<void(std::uint64_t)> handler) = 0;
};

}  // namespace zlx::platform
