#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zlx::platform::posix {

// The instance folder or the lock in it cannot be used: the program refuses to start rather
// than share its lock with, or lose it to, another user.
class InstanceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The folder of the files that stand for the program's kernel objects shared between processes:
// $ZLXDIAG_INSTANCE_DIR, else $XDG_RUNTIME_DIR/zlxdiag, else /tmp/zlxdiag-<uid>. Created on
// first use, private to the user; whichever is chosen is checked with privateFolder().
std::string instanceDirectory();

// `path`, created with mode 0700 when missing. Throws InstanceError unless it is a real folder
// (not a symbolic link) owned by this user with mode 0700: in a folder anybody may create,
// someone else could hold or replace the lock.
std::string privateFolder(const std::string& path);

std::uint32_t currentProcessId();

}  // namespace zlx::platform::posix
