#include "platform/win32/system_library.h"

#include <windows.h>

namespace zlx::platform::win32 {

SystemLibrary::SystemLibrary(const wchar_t* name)
    : module_(::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}

SystemLibrary::~SystemLibrary() {
    if (module_ != nullptr) ::FreeLibrary(static_cast<HMODULE>(module_));
}

void* SystemLibrary::address(const char* name) const {
    if (module_ == nullptr) return nullptr;
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(module_), name));
}

}  // namespace zlx::platform::win32
