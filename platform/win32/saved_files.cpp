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

// The temporaries of saves carry this name, so that one a killed save left is known again.
constexpr const wchar_t* kTemporaryPrefix = L".zlxdiag-save-";

// `path` as a full path in the extended form ("\\?\C:\..." or "\\?\UNC\server\..."), which
// is not limited to MAX_PATH: the temporary's name is longer than the target's, so a target
// near the limit would otherwise fail for its temporary alone. Device names ("\\.\NUL") and
// names already in that form stay as they are; so does a name that has no full form.
std::wstring extendedPath(const std::wstring& path) {
    DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    DWORD length = ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    if (full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\")) return full;
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

// The folder part of `target`, with its separator ("" for a bare name).
std::wstring folderOf(const std::wstring& target) {
    auto slash = target.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
}

// Temporaries that killed saves left in `folder`. A save still running holds its temporary
// open without sharing, so deleting it fails and it stays.
void removeStaleTemporaries(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    std::wstring pattern = folder + kTemporaryPrefix + L"*.tmp";
    HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
            ::DeleteFileW((folder + found.cFileName).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

// A new, empty file beside `target` that nobody else opened, or INVALID_HANDLE_VALUE with
// GetLastError() saying why.
HANDLE createTemporary(const std::wstring& target, std::wstring& name) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = folderOf(target) + kTemporaryPrefix + std::to_wstring(random()) + L".tmp";
        HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return file;
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// What already has the target's name, looked at without following a reparse point: the save
// replaces a link itself, so a link another user planted never redirects it.
enum class Existing { None, RegularFile, Folder, Other };

Existing examine(const std::wstring& target) {
    HANDLE file = ::CreateFileW(
        target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD attributes = ::GetFileAttributesW(target.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return Existing::None;
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? Existing::Folder : Existing::Other;
    }
    Existing kind = Existing::Other;
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file) == FILE_TYPE_DISK && ::GetFileInformationByHandle(file, &info)) {
        if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            kind = Existing::Folder;
        else
            kind = Existing::RegularFile;  // a link to a file too: the link is replaced
    }
    ::CloseHandle(file);
    return kind;
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
    std::wstring target = extendedPath(toWide(path));
    switch (examine(target)) {
        case Existing::Folder:
            reason = "it is a folder";
            return false;
        case Existing::Other:
            // A device (NUL, CON, COM1, a pipe) is no file to keep a log in.
            reason = "it is not a regular file (a device, a pipe or a socket)";
            return false;
        case Existing::None:
        case Existing::RegularFile:
            break;
    }
    removeStaleTemporaries(folderOf(target));

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
