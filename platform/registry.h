#pragma once
// Registry reads (advapi32). Values come back as Windows stores them: REG_SZ as UTF-16LE bytes
// with their NUL, REG_DWORD as four bytes. The two-call size protocol of RegQueryValueExW is
// kept: a buffer too small gives ERROR_MORE_DATA and the size needed.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/windows_types.h"

namespace zlx::platform {

using RegKey = std::uint64_t;
inline constexpr RegKey kNoRegKey = 0;
inline constexpr RegKey kHkeyLocalMachine = 0x80000002;

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

class Registry {
  public:
    virtual ~Registry() = default;
    // RegOpenKeyExW; `parent` is an open key or a predefined root such as kHkeyLocalMachine.
    virtual std::int32_t openKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                                 RegKey& key) = 0;
    virtual std::int32_t closeKey(RegKey key) = 0;
    // RegQueryValueExW: `bufferSize` is the caller's buffer in bytes. On success `data` holds
    // the value and `dataSize` its size; on ERROR_MORE_DATA `dataSize` is the size needed.
    virtual std::int32_t queryValue(RegKey key, const std::string& valueName,
                                    std::uint32_t bufferSize, std::uint32_t& type,
                                    std::vector<std::uint8_t>& data, std::uint32_t& dataSize) = 0;
    // RegEnumKeyExW: the name of subkey `index`, or ERROR_NO_MORE_ITEMS.
    virtual std::int32_t enumKey(RegKey key, std::uint32_t index, std::string& name) = 0;
};

}  // namespace zlx::platform
