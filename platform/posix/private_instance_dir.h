#pragma once

#include <string>

namespace zlx::platform::posix {

// A folder for the kernel-object files of one run that must not meet any other copy of the
// program: made fresh and private (mode 0700) under the temporary folder as
// "zlxdiag-run-XXXXXX", and removed with its files when the run ends. The folder stays locked
// while the run lives, so that one left by a run that was killed is removed at the next start.
class PrivateInstanceDirectory {
  public:
    PrivateInstanceDirectory();
    ~PrivateInstanceDirectory();
    PrivateInstanceDirectory(const PrivateInstanceDirectory&) = delete;
    PrivateInstanceDirectory& operator=(const PrivateInstanceDirectory&) = delete;

    // Empty when no folder could be made; the error then says why.
    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

  private:
    std::string path_;
    std::string error_;
    int lockFd_ = -1;
};

}  // namespace zlx::platform::posix
