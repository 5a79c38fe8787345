#include "platform/local_files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

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
    // A file is read into a string of its size: one grown while reading, then copied, would hold
    // up to three times the file at once.
    std::error_code noSize;
    auto size = std::filesystem::file_size(path, noSize);
    if (!noSize && size > 0) {
        result.bytes.resize(static_cast<std::size_t>(size));
        in.read(result.bytes.data(), static_cast<std::streamsize>(size));
        result.bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    // What a pipe, or a file that grew meanwhile, still holds.
    char chunk[64 * 1024];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        result.bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    result.status = LocalFileRead::Status::Read;
    return result;
}

bool localFileExists(const std::string& utf8Path) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(localPath(utf8Path), ignored));
}

}  // namespace zlx::platform
