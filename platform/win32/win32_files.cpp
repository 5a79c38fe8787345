#include "platform/win32/win32_files.h"

#include <windows.h>
// After windows.h:
#include <knownfolders.h>
#include <shlobj.h>

#include <memory>

#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {

namespace {

// The machine's files the system reads (a driver, a help file) are small; a larger one is not
// what the caller expects and is refused rather than read into memory.
constexpr LONGLONG kMaxReadBytes = 64LL * 1024 * 1024;

struct FindHandle {
    HANDLE handle;
    ~FindHandle() {
        if (handle != INVALID_HANDLE_VALUE) ::FindClose(handle);
    }
};

struct FileHandle {
    HANDLE handle;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    }
};

// FindFirstFileW would take '*' and '?' as wildcards; no file is named with them, so such a
// path is missing, and the error says whether its folder is.
Win32Error missingWithWildcards(const std::wstring& path) {
    auto at = path.find_last_of(L"\\/");
    if (at == std::wstring::npos) return kErrorFileNotFound;
    DWORD attributes = ::GetFileAttributesW(path.substr(0, at + 1).c_str());
    bool folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return folder ? kErrorFileNotFound : kErrorPathNotFound;
}

std::uint64_t fileTimeValue(const FILETIME& time) {
    return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

// The text of a buffer filled by a call that returns its length in characters, or 0 on failure.
template <typename Call>
Win32Error bufferedPath(Call call, std::string& path) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        UINT length = call(buffer.data(), static_cast<UINT>(buffer.size()));
        if (length == 0) return ::GetLastError();
        if (length < buffer.size()) {
            path = fromWide(std::wstring_view(buffer.data(), length));
            return kErrorSuccess;
        }
        buffer.assign(length + 1, L'\0');  // too small: `length` is the size needed
    }
    return ERROR_INSUFFICIENT_BUFFER;
}

}  // namespace

Win32Error Win32FileSystem::findFile(const std::string& path, FindData& data) {
    std::wstring wide = toWide(path);
    if (wide.find_first_of(L"*?") != std::wstring::npos) return missingWithWildcards(wide);
    WIN32_FIND_DATAW found{};
    FindHandle find{::FindFirstFileW(wide.c_str(), &found)};
    if (find.handle == INVALID_HANDLE_VALUE) return ::GetLastError();
    data.name = fromWide(found.cFileName);
    data.directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    data.size =
        data.directory ? 0 : (std::uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
    data.lastWrite = fileTimeValue(found.ftLastWriteTime);
    return kErrorSuccess;
}

Win32Error Win32FileSystem::fileVersion(const std::string& path, FileVersion& version) {
    auto* sizeOf = version_.find<decltype(::GetFileVersionInfoSizeW)>("GetFileVersionInfoSizeW");
    auto* infoOf = version_.find<decltype(::GetFileVersionInfoW)>("GetFileVersionInfoW");
    auto* query = version_.find<decltype(::VerQueryValueW)>("VerQueryValueW");
    if (sizeOf == nullptr || infoOf == nullptr || query == nullptr) return kErrorNotSupported;
    std::wstring wide = toWide(path);
    DWORD ignored = 0;
    DWORD size = sizeOf(wide.c_str(), &ignored);
    if (size == 0) return ::GetLastError();
    auto block = std::make_unique<std::uint8_t[]>(size);
    if (!infoOf(wide.c_str(), 0, size, block.get())) return ::GetLastError();
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!query(block.get(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) ||
        fixed == nullptr || fixedSize < sizeof(VS_FIXEDFILEINFO)) {
        return kErrorResourceTypeNotFound;
    }
    version.major = HIWORD(fixed->dwFileVersionMS);
    version.minor = LOWORD(fixed->dwFileVersionMS);
    version.build = HIWORD(fixed->dwFileVersionLS);
    version.revision = LOWORD(fixed->dwFileVersionLS);
    return kErrorSuccess;
}

Win32Error Win32FileSystem::deleteFile(const std::string& path) {
    return ::DeleteFileW(toWide(path).c_str()) ? kErrorSuccess : ::GetLastError();
}

Win32Error Win32FileSystem::readFile(const std::string& path, std::string& bytes) {
    FileHandle file{::CreateFileW(toWide(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return ::GetLastError();
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.handle, &size)) return ::GetLastError();
    if (size.QuadPart > kMaxReadBytes) return kErrorNotEnoughMemory;
    std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD done = 0;
    if (!content.empty() && !::ReadFile(file.handle, content.data(),
                                        static_cast<DWORD>(content.size()), &done, nullptr)) {
        return ::GetLastError();
    }
    content.resize(done);
    bytes = std::move(content);
    return kErrorSuccess;
}

// Looked up at run time: the functions are missing where Windows has no 32-bit subsystem.
Win32Error Win32FileSystem::disableRedirection() {
    using Disable = BOOL(WINAPI*)(PVOID*);
    auto disable = reinterpret_cast<Disable>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "Wow64DisableWow64FsRedirection")));
    if (disable == nullptr) return kErrorNotSupported;
    std::lock_guard lock(mutex_);
    return disable(&redirection_) ? kErrorSuccess : ::GetLastError();
}

Win32Error Win32FileSystem::revertRedirection() {
    using Revert = BOOL(WINAPI*)(PVOID);
    auto revert = reinterpret_cast<Revert>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "Wow64RevertWow64FsRedirection")));
    if (revert == nullptr) return kErrorNotSupported;
    std::lock_guard lock(mutex_);
    return revert(redirection_) ? kErrorSuccess : ::GetLastError();
}

std::int32_t Win32Folders::knownFolderPath(KnownFolder folder, std::string& path) {
    if (folder != KnownFolder::ProgramFiles) return static_cast<std::int32_t>(E_INVALIDARG);
    PWSTR found = nullptr;
    HRESULT result = ::SHGetKnownFolderPath(FOLDERID_ProgramFiles, 0, nullptr, &found);
    if (SUCCEEDED(result) && found != nullptr) path = fromWide(found);
    ::CoTaskMemFree(found);  // owed even when the call fails
    return static_cast<std::int32_t>(result);
}

Win32Error Win32Folders::windowsDirectory(std::string& path) {
    // The shared Windows folder, not a per-user one under Terminal Services.
    return bufferedPath(
        [](wchar_t* buffer, UINT size) { return ::GetSystemWindowsDirectoryW(buffer, size); },
        path);
}

Win32Error Win32Folders::systemDirectory(std::string& path) {
    return bufferedPath(
        [](wchar_t* buffer, UINT size) { return ::GetSystemDirectoryW(buffer, size); }, path);
}

// The all-users profile folder is the ProgramData folder since Windows Vista.
Win32Error Win32Folders::allUsersProfileDirectory(std::string& path) {
    PWSTR found = nullptr;
    HRESULT result = ::SHGetKnownFolderPath(FOLDERID_ProgramData, 0, nullptr, &found);
    if (SUCCEEDED(result) && found != nullptr) path = fromWide(found);
    ::CoTaskMemFree(found);
    return SUCCEEDED(result) ? kErrorSuccess : static_cast<Win32Error>(HRESULT_CODE(result));
}

}  // namespace zlx::platform::win32
