#include "platform/local_files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zlx::platform {

namespace {

std::filesystem::path localPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

LocalFileRead readLocalFile(const std::string& utf8Path) {
    LocalFileRead result;
    std::filesystem::path path = localPath(utf8Path);
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        result.status = LocalFileRead::Status::Folder;
        return result;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.reason = std::strerror(errno != 0 ? errno : ENOENT);
        return result;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    result.status = LocalFileRead::Status::Read;
    result.bytes = bytes.str();
    return result;
}

bool localFileExists(const std::string& utf8Path) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(localPath(utf8Path), ignored));
}

}  // namespace zlx::platform
