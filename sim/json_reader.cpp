#include "sim/json_reader.h"

#include <algorithm>
#include <cctype>

namespace zlx::sim {

namespace {

// The start of `value` as compact JSON, for messages. Written piece by piece and stopped at the
// cut, so that neither a huge nor a deeply nested value is serialised whole or recursed into.
std::string quote(const Json& value) {
    constexpr std::size_t kMax = 60;
    auto scalar = [](const Json& v) {
        if (v.is_string() && v.get_ref<const std::string&>().size() > kMax)
            return Json(v.get_ref<const std::string&>().substr(0, kMax))
                .dump(-1, ' ', false, Json::error_handler_t::replace);
        return v.dump(-1, ' ', false, Json::error_handler_t::replace);
    };
    struct Open {
        const Json& container;
        Json::const_iterator next;
    };
    std::vector<Open> open;
    std::string text;
    const Json* pending = &value;
    while (text.size() <= kMax) {
        if (pending) {
            if (pending->is_structured()) {
                text += pending->is_object() ? '{' : '[';
                open.push_back({*pending, pending->cbegin()});
            } else {
                text += scalar(*pending);
            }
            pending = nullptr;
        } else if (open.empty()) {
            break;
        } else if (Open& top = open.back(); top.next == top.container.cend()) {
            text += top.container.is_object() ? '}' : ']';
            open.pop_back();
        } else {
            if (top.next != top.container.cbegin()) text += ',';
            if (top.container.is_object()) text += scalar(Json(top.next.key())) + ':';
            pending = &*top.next;
            ++top.next;
        }
    }
    if (text.size() > kMax) {
        text.resize(kMax - 3);
        text += "...";
    }
    return text;
}

std::string got(const Json& value) {
    return ", got " + quote(value);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// "0x" followed by 1 to 16 hex digits.
bool parseHexNumber(const std::string& text, std::uint64_t& out) {
    if (text.size() < 3 || text.size() > 18 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return false;
    std::uint64_t value = 0;
    for (std::size_t i = 2; i < text.size(); ++i) {
        int d = hexDigit(text[i]);
        if (d < 0) return false;
        value = value << 4 | static_cast<std::uint64_t>(d);
    }
    out = value;
    return true;
}

}  // namespace

std::string Place::text() const {
    if (!parent_) return {};
    std::string out = parent_->text() + "/";
    if (isIndex_) return out + std::to_string(index_);
    for (char c : key_) {
        if (c == '~')
            out += "~0";
        else if (c == '/')
            out += "~1";
        else
            out += c;
    }
    return out;
}

void failAt(const Place& place, const std::string& problem) {
    throw PlaceError(place.text(), problem);
}

std::uint64_t readUnsigned(const Node& node, std::uint64_t max) {
    const Json& v = node.value;
    std::uint64_t value = 0;
    if (v.is_number_unsigned()) {
        value = v.get<std::uint64_t>();
    } else if (v.is_number_integer()) {
        failAt(node.pointer, "expected a number from 0 to " + std::to_string(max) + got(v));
    } else if (!(v.is_string() && parseHexNumber(v.get<std::string>(), value))) {
        failAt(node.pointer, "expected a whole number or a \"0x...\" hex string" + got(v));
    }
    if (value > max) {
        failAt(node.pointer, "expected a number from 0 to " + std::to_string(max) + got(v));
    }
    return value;
}

std::int64_t readSigned(const Node& node, std::int64_t min, std::int64_t max) {
    const Json& v = node.value;
    std::string range =
        "expected a number from " + std::to_string(min) + " to " + std::to_string(max) + got(v);
    if (v.is_number_unsigned()) {
        if (v.get<std::uint64_t>() > static_cast<std::uint64_t>(max)) failAt(node.pointer, range);
        return v.get<std::int64_t>();
    }
    if (!v.is_number_integer()) failAt(node.pointer, "expected a whole number" + got(v));
    std::int64_t value = v.get<std::int64_t>();
    if (value < min || value > max) failAt(node.pointer, range);
    return value;
}

bool readBool(const Node& node) {
    if (!node.value.is_boolean()) failAt(node.pointer, "expected true or false" + got(node.value));
    return node.value.get<bool>();
}

std::string readString(const Node& node) {
    if (!node.value.is_string()) failAt(node.pointer, "expected a string" + got(node.value));
    return node.value.get<std::string>();
}

std::vector<std::string> readStringList(const Node& node) {
    if (!node.value.is_array()) {
        failAt(node.pointer, "expected a list of strings" + got(node.value));
    }
    std::vector<std::string> out;
    for (std::size_t i = 0; i < node.value.size(); ++i) {
        out.push_back(readString({node.value[i], node.pointer.child(i)}));
    }
    return out;
}

Guid readGuid(const Node& node) {
    Guid guid;
    if (!node.value.is_string() || !parseGuid(node.value.get<std::string>(), guid)) {
        failAt(node.pointer, "not a GUID: " + quote(node.value));
    }
    return guid;
}

std::vector<std::uint8_t> readHexBytes(const Node& node) {
    auto bad = [&] { failAt(node.pointer, "not hex bytes: " + quote(node.value)); };
    if (!node.value.is_string()) bad();
    const std::string text = node.value.get<std::string>();
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < text.size();) {
        char c = text[i];
        if (c == ' ' || c == '-' || c == ':') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) bad();
        int high = hexDigit(text[i]);
        int low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0) bad();
        out.push_back(static_cast<std::uint8_t>(high << 4 | low));
        i += 2;
    }
    return out;
}

std::string readHexOctets(const Node& node) {
    const std::string text = readString(node);
    if (text.size() % 2 != 0)
        failAt(node.pointer, "odd number of hex digits (" + std::to_string(text.size()) + ")");
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int high = hexDigit(text[i]);
        int low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            failAt(node.pointer, "not a hex digit at " + std::to_string(high < 0 ? i : i + 1) +
                                     " in " + quote(node.value));
        out += static_cast<char>(high << 4 | low);
    }
    return out;
}

std::array<std::uint8_t, 6> readMacAddress(const Node& node) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readHexBytes(node);
    } catch (const PlaceError&) {
        bytes.clear();
    }
    if (bytes.size() != 6) failAt(node.pointer, "not a MAC address: " + quote(node.value));
    std::array<std::uint8_t, 6> out{};
    std::copy(bytes.begin(), bytes.end(), out.begin());
    return out;
}

std::uint32_t readNamed(const Node& node, std::initializer_list<NamedValue> names) {
    if (node.value.is_string()) {
        const std::string text = node.value.get<std::string>();
        for (const NamedValue& n : names) {
            if (n.name == text) return n.value;
        }
        std::uint64_t value = 0;
        if (!parseHexNumber(text, value)) {
            std::string list;
            for (const NamedValue& n : names) {
                list += (list.empty() ? "" : ", ") + std::string(n.name);
            }
            failAt(node.pointer, "unknown name " + quote(node.value) + " (expected one of " + list +
                                     ", or a number)");
        }
    }
    return readNumber<std::uint32_t>(node);
}

ObjectReader::ObjectReader(const Node& node) : object_(node.value), pointer_(node.pointer) {
    if (!object_.is_object()) failAt(pointer_, "expected an object" + got(object_));
}

void ObjectReader::boolean(std::string_view key, bool& out) {
    optional(key, [&](const Node& n) { out = readBool(n); });
}

void ObjectReader::string(std::string_view key, std::string& out) {
    optional(key, [&](const Node& n) { out = readString(n); });
}

void ObjectReader::octets(std::string_view key, std::string_view hexKey, std::string& out) {
    if (has(key) && has(hexKey))
        failAt(childPointer(pointer_, hexKey),
               "give either \"" + std::string(key) + "\" or \"" + std::string(hexKey) + "\"");
    string(key, out);
    optional(hexKey, [&](const Node& n) { out = readHexOctets(n); });
}

void ObjectReader::missing(std::string_view key) const {
    failAt(pointer_, "missing key \"" + std::string(key) + "\"");
}

void ObjectReader::notAList(const Node& node) {
    failAt(node.pointer, "expected a list" + got(node.value));
}

bool ObjectReader::has(std::string_view key) const {
    return object_.contains(key);
}

void ObjectReader::finish() const {
    for (auto it = object_.begin(); it != object_.end(); ++it) {
        if (std::find(known_.begin(), known_.end(), it.key()) != known_.end()) continue;
        std::vector<std::string_view> names = known_;
        std::sort(names.begin(), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
        std::string list;
        for (std::string_view k : names) (list += list.empty() ? "" : ", ") += k;
        failAt(pointer_.child(it.key()), "unknown key (known here: " + list + ")");
    }
}

}  // namespace zlx::sim
