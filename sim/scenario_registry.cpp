#include <map>
#include <set>

#include "platform/bytes.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "sim/scenario_sections.h"

namespace zlx::sim {

namespace {

constexpr std::string_view kRoots[] = {"hklm\\", "hkey_local_machine\\"};

std::string keyBelowRoot(const Node& n) {
    std::string path = readString(n);
    std::string lower = toLowerAscii(path);
    for (std::string_view root : kRoots) {
        if (lower.starts_with(root)) {
            std::string rest = path.substr(root.size());
            bool wellFormed = !rest.empty() && rest.front() != '\\' && rest.back() != '\\' &&
                              rest.find("\\\\") == std::string::npos;
            if (wellFormed) return rest;
            break;
        }
    }
    failAt(n.pointer, "expected a key path \"HKLM\\\\Some\\\\Key\", got \"" + path + "\"");
}

std::vector<std::uint8_t> stringData(const std::string& text) {
    return utf16leBytes(text, true);
}

std::vector<std::uint8_t> multiStringData(const std::vector<std::string>& texts) {
    std::vector<std::uint8_t> out;
    for (const std::string& t : texts) {
        auto bytes = utf16leBytes(t, true);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    out.push_back(0);
    out.push_back(0);
    return out;
}

std::vector<std::uint8_t> dwordData(std::uint32_t value) {
    std::vector<std::uint8_t> out(4);
    storeLe<std::uint32_t>(out, 0, value);
    return out;
}

// A plain string is REG_SZ and a plain number REG_DWORD; anything else says its type.
RegistryValue readValue(const std::string& name, const Node& node) {
    RegistryValue v{name, kRegSz, {}};
    if (node.value.is_string()) {
        v.data = stringData(readString(node));
        return v;
    }
    if (node.value.is_number()) {
        v.type = kRegDword;
        v.data = dwordData(readNumber<std::uint32_t>(node));
        return v;
    }
    readObject(node, [&](ObjectReader& r) {
        int forms = 0;
        auto form = [&](std::string_view key, std::uint32_t type, auto encode) {
            r.optional(key, [&](const Node& n) {
                ++forms;
                v.type = type;
                v.data = encode(n);
            });
        };
        form("sz", kRegSz, [](const Node& n) { return stringData(readString(n)); });
        form("expandSz", kRegExpandSz, [](const Node& n) { return stringData(readString(n)); });
        form("multiSz", kRegMultiSz,
             [](const Node& n) { return multiStringData(readStringList(n)); });
        form("dword", kRegDword,
             [](const Node& n) { return dwordData(readNumber<std::uint32_t>(n)); });
        form("binary", kRegBinary, [](const Node& n) { return readHexBytes(n); });
        form("raw", kRegNone, [](const Node& n) { return readHexBytes(n); });
        bool raw = r.has("raw");
        if (raw) r.required("type", [&](const Node& n) { v.type = readNumber<std::uint32_t>(n); });
        if (forms != 1 || (!raw && r.has("type"))) {
            failAt(
                node.pointer,
                "expected exactly one of sz, expandSz, multiSz, dword, binary, or raw with type");
        }
    });
    return v;
}

RegistryKey readKey(const Node& node) {
    RegistryKey key;
    readObject(node, [&](ObjectReader& r) {
        r.required("key", [&](const Node& n) { key.path = keyBelowRoot(n); });
        r.boolean("readOnly", key.readOnly);
        r.optional("values", [&](const Node& n) {
            if (!n.value.is_object()) failAt(n.pointer, "expected an object of values");
            std::set<std::string> seen;
            for (auto it = n.value.begin(); it != n.value.end(); ++it) {
                const Place place = n.pointer.child(it.key());
                if (!seen.insert(toLowerAscii(it.key())).second) {
                    failAt(place, "value name differs from another only in letter case");
                }
                key.values.push_back(readValue(it.key(), Node{*it, place}));
            }
        });
    });
    return key;
}

}  // namespace

std::vector<RegistryKey> readRegistry(const Node& node) {
    if (!node.value.is_array()) failAt(node.pointer, "expected a list of keys");
    std::vector<RegistryKey> keys;
    std::map<std::string, std::size_t> seen;  // lower-case path -> index
    for (std::size_t i = 0; i < node.value.size(); ++i) {
        Node item{node.value[i], node.pointer.child(i)};
        RegistryKey key = readKey(item);
        auto [it, added] = seen.emplace(toLowerAscii(key.path), i);
        if (!added) {
            failAt(item.pointer.child("key"),
                   "key listed twice (also at " + node.pointer.child(it->second).text() + ")");
        }
        keys.push_back(std::move(key));
    }
    return keys;
}

}  // namespace zlx::sim
