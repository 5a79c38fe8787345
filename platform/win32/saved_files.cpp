#include "platform/win32/saved_files.h"

#include <windows.h>

#include <random>

#include "platform/win32/error_text.h"
#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {

namespace {

// Names tried for the temporary file before giving up: a collision means another save to the
// same folder chose the same name, which a handful of fresh random names will not repeat.
constexpr int kNameAttempts = 100;
// WriteFile counts in DWORD: larger contents go in pieces.
constexpr std::size_t kMaxPiece = 1u << 30;

// A new, empty file beside `target` that nobody else opened, or INVALID_HANDLE_VALUE with
// GetLastError() saying why.
HANDLE createTemporary(const std::wstring& target, std::wstring& name) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = target + L"." + std::to_wstring(random()) + L".tmp";
        HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return file;
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        DWORD piece = static_cast<DWORD>(std::min(bytes.size() - done, kMaxPiece));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, piece, &written, nullptr)) return false;
        done += written;
    }
    return true;
}

}  // namespace

bool Win32SavedFiles::replaceFile(const std::string& path, const std::string& bytes,
                                  std::string& reason) {
    if (path.empty() || path.ends_with('\\') || path.ends_with('/')) {
        reason = "the name ends with \"\\\" or \"/\", so it names a folder, not a file";
        return false;
    }
    std::wstring target = toWide(path);
    DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        reason = "it is a folder";
        return false;
    }

    std::wstring temporary;
    HANDLE file = createTemporary(target, temporary);
    if (file == INVALID_HANDLE_VALUE) {
        reason = errorText(::GetLastError());
        return false;
    }
    bool written = writeAll(file, bytes) && ::FlushFileBuffers(file);
    DWORD error = written ? ERROR_SUCCESS : ::GetLastError();
    if (!::CloseHandle(file) && written) {
        written = false;
        error = ::GetLastError();
    }
    if (written && !::MoveFileExW(temporary.c_str(), target.c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        written = false;
        error = ::GetLastError();
    }
    if (!written) {
        reason = errorText(error);
        ::DeleteFileW(temporary.c_str());
    }
    return written;
}

}  // namespace zlx::platform::win32
