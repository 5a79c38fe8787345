#pragma once
// The source tree's files that tests compare with: expected outputs and scenarios.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zlx::testing {

inline const std::filesystem::path kSourceDir = ZLX_SOURCE_DIR;

inline std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace zlx::testing
