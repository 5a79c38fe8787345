#include "platform/posix/private_instance_dir.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace zlx::platform::posix {

PrivateInstanceDirectory::PrivateInstanceDirectory() {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) base = "/tmp";
    std::string pattern = (base / "zlxdiag-run-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkdtemp makes the folder with mode 0700 and a name nobody could have planted.
    if (::mkdtemp(name.data()))
        path_ = name.data();
    else
        error_ = pattern + ": " + std::strerror(errno);
}

PrivateInstanceDirectory::~PrivateInstanceDirectory() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

}  // namespace zlx::platform::posix
