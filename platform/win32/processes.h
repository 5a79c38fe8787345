#pragma once
// The ping program of this machine, started with CreateProcessW.

#include <string>
#include <vector>

#include "platform/process.h"

namespace zlx::platform::win32 {

// The most of a ping's output that is kept; a program that writes more is not a ping.
inline constexpr std::size_t kPingOutputCap = kMaxPingOutput;  // one cap for every ping

class Win32Processes final : public Processes {
  public:
    // The system folder's ping.exe.
    Win32Processes();
    // `program` is a full path; `arguments` come before the target.
    Win32Processes(std::string program, std::vector<std::string> arguments);
    // The child inherits nothing but its standard handles: a pipe for its output, the null
    // device for its input and errors. Output beyond kPingOutputCap is dropped from the last
    // whole line on, and the result says so.
    PingResult ping(const std::string& target, Millis limit, StopSignal& stop) override;

  private:
    std::string program_;
    std::vector<std::string> arguments_;
};

// One word of a command line as CommandLineToArgvW and the C runtime read it back.
std::wstring quoteArgument(const std::wstring& word);

}  // namespace zlx::platform::win32
