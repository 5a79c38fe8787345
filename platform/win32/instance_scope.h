#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zlx::platform::win32 {

// The scope's kernel objects cannot be made: the program refuses to start rather than share
// them with, or lose them to, another user's.
class InstanceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The name every copy of the program gives its single-instance mutex.
inline constexpr const char* kInstanceMutexName = "{6F1D3C2A-8B47-4E59-A0C3-5D2E9B7F4A16}";

// The prefix of the kernel-object names every copy of the program shares: "Local\zlxdiag", the
// user's own session namespace, or what $ZLXDIAG_INSTANCE_DIR names (see scopeFromName).
std::string sharedInstanceScope();

// A usable scope made of any text: kept in the session namespace ("Local\" is added unless the
// text starts with "Local\" or "Global\"), every other backslash, which a kernel-object name
// may not hold, made "_". Applying it twice changes nothing.
std::string scopeFromName(const std::string& text);

// The kernel-object name of `name` in `scope`: "<scope>.<name>", the backslashes of `name`
// made "_" as scopeFromName does.
std::string objectName(const std::string& scope, const std::string& name);

// A scope of one run that no other copy of the program meets: "Local\zlxdiag-run-" with this
// process's identifier and a number unique within the process.
class PrivateInstanceScope {
  public:
    PrivateInstanceScope();
    const std::string& path() const { return path_; }
    // Always empty: a fresh name cannot fail to be made. Kept for the launcher, which asks.
    const std::string& error() const { return error_; }

  private:
    std::string path_;
    std::string error_;
};

std::uint32_t currentProcessId();

}  // namespace zlx::platform::win32
