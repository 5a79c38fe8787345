#pragma once
// The ping program of a real POSIX machine: started directly with its arguments (no shell),
// its standard output read through a pipe, killed when it outlives the limit.

#include <string>
#include <vector>

#include "platform/process.h"

namespace zlx::platform::posix {

class PosixProcesses final : public Processes {
  public:
    // `program` is looked up on PATH; `arguments` come before the target.
    explicit PosixProcesses(std::string program = "ping",
                            std::vector<std::string> arguments = {"-c", "4", "-n"});
    PingResult ping(const std::string& target, Millis limit, StopSignal& stop) override;

  private:
    std::string program_;
    std::vector<std::string> arguments_;
};

}  // namespace zlx::platform::posix
