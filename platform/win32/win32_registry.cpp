#include "platform/win32/win32_registry.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {

namespace {

HKEY toHkey(RegKey key) {
    if (key == kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
    return reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(key));
}

// Key names are at most 255 characters.
constexpr DWORD kMaxKeyName = 256;

}  // namespace

std::int32_t Win32Registry::openKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                                    RegKey& key) {
    key = kNoRegKey;
    HKEY opened = nullptr;
    LSTATUS result = ::RegOpenKeyExW(toHkey(parent), toWide(subKey).c_str(), 0, access, &opened);
    if (result == ERROR_SUCCESS) key = reinterpret_cast<std::uintptr_t>(opened);
    return result;
}

std::int32_t Win32Registry::closeKey(RegKey key) {
    // A predefined key is not closed: every later open below it still needs it.
    if (key == kHkeyLocalMachine) return ERROR_SUCCESS;
    return ::RegCloseKey(toHkey(key));
}

std::int32_t Win32Registry::queryValue(RegKey key, const std::string& valueName,
                                       std::uint32_t bufferSize, std::uint32_t& type,
                                       std::vector<std::uint8_t>& data, std::uint32_t& dataSize) {
    data.assign(bufferSize, 0);
    DWORD valueType = REG_NONE;
    DWORD size = bufferSize;
    LSTATUS result = ::RegQueryValueExW(toHkey(key), toWide(valueName).c_str(), nullptr, &valueType,
                                        data.empty() ? nullptr : data.data(), &size);
    if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        type = valueType;
        dataSize = size;
    }
    // With no buffer at all Windows answers a size query with success: the caller still asked
    // with too small a buffer.
    if (result == ERROR_SUCCESS && data.empty() && size > 0) result = ERROR_MORE_DATA;
    if (result == ERROR_SUCCESS)
        data.resize(size);
    else
        data.clear();
    return result;
}

std::int32_t Win32Registry::enumKey(RegKey key, std::uint32_t index, std::string& name) {
    name.clear();
    wchar_t buffer[kMaxKeyName];
    DWORD length = kMaxKeyName;
    LSTATUS result =
        ::RegEnumKeyExW(toHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS) name = fromWide(std::wstring_view(buffer, length));
    return result;
}

}  // namespace zlx::platform::win32
