#include "launcher/entry.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace zlx::launcher {

bool readTextFile(const std::string& path, std::string& text, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

}  // namespace zlx::launcher
