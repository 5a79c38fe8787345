#pragma once
// The registry of this machine (advapi32).

#include "platform/registry.h"

namespace zlx::platform::win32 {

// A RegKey is the HKEY itself. kHkeyLocalMachine is the predefined key's documented number,
// which a 64-bit HKEY holds sign-extended.
class Win32Registry final : public Registry {
  public:
    std::int32_t openKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                         RegKey& key) override;
    std::int32_t closeKey(RegKey key) override;
    std::int32_t queryValue(RegKey key, const std::string& valueName, std::uint32_t bufferSize,
                            std::uint32_t& type, std::vector<std::uint8_t>& data,
                            std::uint32_t& dataSize) override;
    std::int32_t enumKey(RegKey key, std::uint32_t index, std::string& name) override;
};

}  // namespace zlx::platform::win32
