#pragma once
// Win32 result codes and small value types shared by every platform service.
// Callers store these codes in their records exactly as the Windows calls return them.

#include <array>
#include <cstdint>
#include <string>

namespace zlx::platform {

using Win32Error = std::uint32_t;

inline constexpr Win32Error kErrorSuccess = 0;
inline constexpr Win32Error kErrorFileNotFound = 2;
inline constexpr Win32Error kErrorPathNotFound = 3;
inline constexpr Win32Error kErrorAccessDenied = 5;
inline constexpr Win32Error kErrorInvalidHandle = 6;
inline constexpr Win32Error kErrorInvalidData = 13;
inline constexpr Win32Error kErrorNotEnoughMemory = 8;
inline constexpr Win32Error kErrorBadLength = 24;
inline constexpr Win32Error kErrorNotSupported = 50;
inline constexpr Win32Error kErrorInvalidParameter = 87;
inline constexpr Win32Error kErrorModNotFound = 126;
inline constexpr Win32Error kErrorInsufficientBuffer = 122;
inline constexpr Win32Error kErrorBufferOverflow = 111;
inline constexpr Win32Error kErrorMoreData = 234;
inline constexpr Win32Error kErrorNoMoreItems = 259;
inline constexpr Win32Error kErrorServiceNotActive = 1062;
inline constexpr Win32Error kErrorNotFound = 1168;
inline constexpr Win32Error kErrorNoData = 232;
inline constexpr Win32Error kErrorGenFailure = 31;
inline constexpr Win32Error kWaitTimeout = 258;
inline constexpr Win32Error kRpcSInvalidStringUuid = 1705;
inline constexpr Win32Error kErrorResourceTypeNotFound = 1813;
inline constexpr Win32Error kErrorInvalidState = 5023;

// A GUID in its Windows memory layout: Data1 (u32 LE), Data2 (u16 LE), Data3 (u16 LE), Data4[8].
struct Guid {
    std::array<std::uint8_t, 16> bytes{};
    friend bool operator==(const Guid&, const Guid&) = default;
    bool isZero() const { return *this == Guid{}; }
};

// The text form UuidToStringW produces: lower case, no braces, 36 characters.
std::string formatGuid(const Guid& guid);
// UuidFromStringW: accepts exactly 36 characters in the 8-4-4-4-12 form, either case.
bool parseGuid(const std::string& text, Guid& out);

}  // namespace zlx::platform
