#pragma once
// RegistryKey: an open registry key that reads string values.

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace zlx::platform {

class RegistryKey {
  public:
    explicit RegistryKey(Registry& registry) : registry_(registry) {}
    virtual ~RegistryKey() { close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // RegOpenKeyExW into this key; the result is kept.
    std::int32_t open(RegKey parent, const std::string& subKey, std::uint32_t access);
    void close();
    // Reads a REG_SZ or REG_EXPAND_SZ value (not expanded), growing the buffer once when the
    // value is longer than 1024 characters. Leaves `text` unchanged and returns false
    // otherwise.
    bool queryString(const std::string& valueName, std::string& text);

    std::int32_t result() const { return result_; }
    bool isOpen() const { return key_ != kNoRegKey; }

  private:
    Registry& registry_;
    std::int32_t result_ = 0;
    RegKey key_ = kNoRegKey;
};

}  // namespace zlx::platform
