#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace zlx::testing {

// A folder of its own for one test, removed with everything in it afterwards.
class TempDir {
  public:
    TempDir() {
        // create_directory is false for a name that exists already, so a folder another test
        // or user made is never shared.
        std::error_code ec;
        std::filesystem::path base = std::filesystem::temp_directory_path(ec);
        std::random_device seed;
        std::mt19937_64 random(seed());
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            std::filesystem::path candidate = base / ("zlxtest-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate, ec))
                path_ = candidate.generic_string();
        }
        // Private, as the program wants a folder it keeps its instance files in.
        if (!path_.empty()) {
            std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::replace, ec);
        }
    }
    ~TempDir() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

}  // namespace zlx::testing
