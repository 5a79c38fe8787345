#include "sim/sim_registry.h"

#include <algorithm>
#include <optional>

#include "platform/text.h"

namespace zlx::sim {

namespace {

// Access bits that choose a registry view rather than ask for rights.
constexpr std::uint32_t kWow64ViewBits = 0x0300;

std::string joinPath(const std::string& base, const std::string& sub) {
    if (base.empty()) return sub;
    if (sub.empty()) return base;
    return base + "\\" + sub;
}

std::string rooted(const std::string& path) {
    return path.empty() ? "HKLM" : "HKLM\\" + path;
}

}  // namespace

SimRegistry::SimRegistry(const std::vector<RegistryKey>& keys, CallLog& log) : log_(log) {
    keys_.emplace("", KeyData{});
    for (const RegistryKey& key : keys) addKey(key);
}

void SimRegistry::addKey(const RegistryKey& key) {
    // Parents first, so that each keeps the spelling it was first written with.
    for (std::size_t at = key.path.find('\\'); at != std::string::npos;
         at = key.path.find('\\', at + 1)) {
        std::string parent = key.path.substr(0, at);
        keys_.try_emplace(toLowerAscii(parent), KeyData{parent, {}, false});
    }
    KeyData& data = keys_[toLowerAscii(key.path)];
    data.path = key.path;
    data.values = key.values;
    data.readOnly = key.readOnly;
}

std::optional<std::string> SimRegistry::pathOf(RegKey key) const {
    if (key == kHkeyLocalMachine) return std::string();
    auto it = open_.find(key);
    if (it == open_.end()) return std::nullopt;
    return it->second;
}

std::string SimRegistry::displayName(RegKey key) const {
    std::optional<std::string> path = pathOf(key);
    if (!path) return "key=" + hex(key);
    return rooted(keys_.at(*path).path);
}

std::int32_t SimRegistry::openKey(RegKey parent, const std::string& subKey, std::uint32_t access,
                                  RegKey& key) {
    std::lock_guard lock(mutex_);
    key = kNoRegKey;
    std::int32_t result = kErrorInvalidHandle;
    std::optional<std::string> wanted;
    if (std::optional<std::string> base = pathOf(parent)) {
        wanted = joinPath(keys_.at(*base).path, subKey);
        auto it = keys_.find(toLowerAscii(*wanted));
        if (it == keys_.end()) {
            result = kErrorFileNotFound;
        } else if (it->second.readOnly && (access & ~(kKeyRead | kWow64ViewBits)) != 0) {
            result = kErrorAccessDenied;
        } else {
            key = nextKey_++;
            open_.emplace(key, it->first);
            result = kErrorSuccess;
        }
    }
    if (log_.kept())
        log_.record([shown = wanted ? rooted(*wanted) : "key=" + hex(parent) + "\\" + subKey,
                     access, result] {
            return "RegOpenKeyEx(" + shown + ", access=" + hex(access) + ") -> " +
                   std::to_string(result);
        });
    return result;
}

std::int32_t SimRegistry::closeKey(RegKey key) {
    std::lock_guard lock(mutex_);
    std::string shown = log_.kept() ? displayName(key) : std::string();
    std::int32_t result = kErrorSuccess;
    if (key != kHkeyLocalMachine && open_.erase(key) == 0) result = kErrorInvalidHandle;
    log_.record([shown = std::move(shown), result] {
        return "RegCloseKey(" + shown + ") -> " + std::to_string(result);
    });
    return result;
}

std::int32_t SimRegistry::queryValue(RegKey key, const std::string& valueName,
                                     std::uint32_t bufferSize, std::uint32_t& type,
                                     std::vector<std::uint8_t>& data, std::uint32_t& dataSize) {
    std::lock_guard lock(mutex_);
    data.clear();
    auto line = [&] {
        return "RegQueryValueEx(" + displayName(key) + ", " + quoted(valueName) +
               ", size=" + std::to_string(bufferSize) + ") -> ";
    };
    auto log = [&](std::int32_t result, std::string rest) {
        if (log_.kept())
            log_.record([l = line(), result, rest = std::move(rest)] {
                return l + std::to_string(result) + rest;
            });
    };
    std::optional<std::string> path = pathOf(key);
    if (!path) {
        log(kErrorInvalidHandle, {});
        return kErrorInvalidHandle;
    }
    const auto& values = keys_.at(*path).values;
    std::string wanted = toLowerAscii(valueName);
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const RegistryValue& v) { return toLowerAscii(v.name) == wanted; });
    if (it == values.end()) {
        log(kErrorFileNotFound, {});
        return kErrorFileNotFound;
    }
    type = it->type;
    dataSize = static_cast<std::uint32_t>(it->data.size());
    if (bufferSize < dataSize) {
        if (log_.kept()) log(kErrorMoreData, " needed=" + std::to_string(dataSize));
        return kErrorMoreData;
    }
    data = it->data;
    if (log_.kept())
        log(kErrorSuccess, " type=" + std::to_string(type) + " bytes=" + std::to_string(dataSize));
    return kErrorSuccess;
}

std::int32_t SimRegistry::enumKey(RegKey key, std::uint32_t index, std::string& name) {
    std::lock_guard lock(mutex_);
    name.clear();
    auto log = [&](std::int32_t result, std::string rest) {
        if (log_.kept())
            log_.record([shown = displayName(key), index, result, rest = std::move(rest)] {
                return "RegEnumKeyEx(" + shown + ", index=" + std::to_string(index) + ") -> " +
                       std::to_string(result) + rest;
            });
    };
    std::optional<std::string> path = pathOf(key);
    if (!path) {
        log(kErrorInvalidHandle, {});
        return kErrorInvalidHandle;
    }
    // Direct children in case-insensitive order, as Windows lists them.
    std::string prefix = path->empty() ? "" : *path + "\\";
    std::uint32_t seen = 0;
    for (auto it = keys_.lower_bound(prefix); it != keys_.end(); ++it) {
        if (!it->first.starts_with(prefix)) break;
        std::string_view rest = std::string_view(it->first).substr(prefix.size());
        if (rest.empty() || rest.find('\\') != std::string_view::npos) continue;
        if (seen++ == index) {
            name = it->second.path.substr(it->second.path.size() - rest.size());
            if (log_.kept()) log(kErrorSuccess, " name=" + quoted(name));
            return kErrorSuccess;
        }
    }
    log(kErrorNoMoreItems, {});
    return kErrorNoMoreItems;
}

std::size_t SimRegistry::openKeys() const {
    std::lock_guard lock(mutex_);
    return open_.size();
}

}  // namespace zlx::sim
