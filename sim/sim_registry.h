#pragma once
// The simulated registry below HKEY_LOCAL_MACHINE. Paths compare without regard to letter case,
// as on Windows; every key listed implies its parents.

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "sim/call_log.h"
#include "sim/platform_names.h"
#include "sim/scenario.h"

namespace zlx::sim {

class SimRegistry final : public Registry {
  public:
    SimRegistry(const std::vector<RegistryKey>& keys, CallLog& log);

    std::int32_t openKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                         RegKey& key) override;
    std::int32_t closeKey(RegKey key) override;
    std::int32_t queryValue(RegKey key, const std::string& valueName, std::uint32_t bufferSize,
                            std::uint32_t& type, std::vector<std::uint8_t>& data,
                            std::uint32_t& dataSize) override;
    std::int32_t enumKey(RegKey key, std::uint32_t index, std::string& name) override;

    std::size_t openKeys() const;

  private:
    struct KeyData {
        std::string path;  // as first written, below the root
        std::vector<RegistryValue> values;
        bool readOnly = false;
    };
    // The lower-case path of an open key or of the root ("").
    std::optional<std::string> pathOf(RegKey key) const;
    std::string displayName(RegKey key) const;
    void addKey(const RegistryKey& key);

    CallLog& log_;
    mutable std::mutex mutex_;
    std::map<std::string, KeyData> keys_;  // by lower-case path; "" is the root
    std::map<RegKey, std::string> open_;   // handle -> lower-case path
    RegKey nextKey_ = 0x1000;
};

}  // namespace zlx::sim
