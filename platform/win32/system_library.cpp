#include "platform/win32/system_library.h"

#include <windows.h>

#include <string>

namespace zlx::platform::win32 {

// Windows 7 has the search flags only with update KB2533623: without it the call is missing and
// LoadLibraryExW refuses the flag. The program must still start and find its DLLs there.
void* loadFromSystemFolder(const wchar_t* name) {
    if (HMODULE module = ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return module;
    if (::GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    wchar_t folder[MAX_PATH];
    UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void loadLibrariesFromSystemFolderOnly() {
    using SetDirectories = BOOL WINAPI(DWORD);
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    auto* set = reinterpret_cast<SetDirectories*>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (set != nullptr) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

SystemLibrary::SystemLibrary(const wchar_t* name) : module_(loadFromSystemFolder(name)) {}

SystemLibrary::~SystemLibrary() {
    if (module_ != nullptr) ::FreeLibrary(static_cast<HMODULE>(module_));
}

void* SystemLibrary::address(const char* name) const {
    if (module_ == nullptr) return nullptr;
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(module_), name));
}

}  // namespace zlx::platform::win32
