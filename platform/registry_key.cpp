#include "platform/registry_key.h"

#include "platform/text.h"

namespace zlx::platform {

std::int32_t RegistryKey::open(RegKey parent, const std::string& subKey, std::uint32_t access) {
    close();
    RegKey key = kNoRegKey;
    result_ = registry_.openKey(parent, subKey, access, key);
    if (result_ == 0) key_ = key;
    return result_;
}

void RegistryKey::close() {
    if (key_ == kNoRegKey) return;
    result_ = registry_.closeKey(key_);
    key_ = kNoRegKey;
}

bool RegistryKey::queryString(const std::string& valueName, std::string& text) {
    constexpr std::uint32_t kInitialBytes = 1024 * 2;
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0;
    std::vector<std::uint8_t> data;
    result_ = registry_.queryValue(key_, valueName, kInitialBytes, type, data, size);
    if (result_ == static_cast<std::int32_t>(kErrorMoreData))
        result_ = registry_.queryValue(key_, valueName, size, type, data, size);
    // Only a successful read has a string in the buffer, whatever the value's type.
    if (result_ != 0) return false;
    if (type != kRegSz && type != kRegExpandSz) return false;
    if (data.size() > size) data.resize(size);
    text = utf8FromUtf16le(data);
    return true;
}

}  // namespace zlx::platform
