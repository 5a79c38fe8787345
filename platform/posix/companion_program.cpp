#include "platform/posix/companion_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace zlx::platform::posix {

namespace {

std::optional<std::string> ownFolder() {
    std::vector<char> buffer(4096);
    ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return std::nullopt;
    std::string path(buffer.data(), static_cast<std::size_t>(length));
    auto slash = path.rfind('/');
    if (slash == std::string::npos) return std::nullopt;
    return path.substr(0, slash);
}

}  // namespace

std::optional<std::string> companionProgram(const std::string& name,
                                            const std::string& installedFolder) {
    std::optional<std::string> folder = ownFolder();
    if (!folder) return std::nullopt;
    for (const std::string& candidate :
         {*folder + "/" + name, *folder + "/" + installedFolder + "/" + name}) {
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::nullopt;
}

std::string replaceProcess(const std::string& path, char** argv) {
    ::execv(path.c_str(), argv);
    return std::strerror(errno);
}

}  // namespace zlx::platform::posix
