#pragma once
// Typed reading of scenario JSON. Every failure names its place as a JSON pointer, and every
// object refuses keys nobody asked for, so a misspelt key is an error, not a silent default.

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/windows_types.h"
#include "sim/platform_names.h"

namespace zlx::sim {

using Json = nlohmann::json;

// A problem at one place of the document; the loader adds the file name.
class PlaceError : public std::runtime_error {
  public:
    PlaceError(std::string pointer, const std::string& problem)
        : std::runtime_error(problem), pointer_(std::move(pointer)) {}
    const std::string& pointer() const { return pointer_; }

  private:
    std::string pointer_;
};

[[noreturn]] void failAt(const std::string& pointer, const std::string& problem);
std::string childPointer(const std::string& parent, std::string_view key);
std::string childPointer(const std::string& parent, std::size_t index);

// A value together with where it sits in the document.
struct Node {
    const Json& value;
    std::string pointer;
};

// A name accepted for a number, for fields usually written as Windows enumeration names.
struct NamedValue {
    std::string_view name;
    std::uint32_t value;
};

std::uint64_t readUnsigned(const Node& node, std::uint64_t max);
std::int64_t readSigned(const Node& node, std::int64_t min, std::int64_t max);
template <typename T>
T readNumber(const Node& node) {
    if constexpr (std::is_signed_v<T>) {
        return static_cast<T>(
            readSigned(node, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
    } else {
        return static_cast<T>(readUnsigned(node, std::numeric_limits<T>::max()));
    }
}
bool readBool(const Node& node);
std::string readString(const Node& node);
std::vector<std::string> readStringList(const Node& node);
Guid readGuid(const Node& node);
// Hex digits in pairs; spaces, '-' and ':' between pairs are allowed.
std::vector<std::uint8_t> readHexBytes(const Node& node);
// Octets written as hex digit pairs with nothing between them ("00ff1b"), for text that is not
// (or not only) UTF-8.
std::string readHexOctets(const Node& node);
std::array<std::uint8_t, 6> readMacAddress(const Node& node);
std::uint32_t readNamed(const Node& node, std::initializer_list<NamedValue> names);

// The keys of one JSON object. Reading a key marks it as known; finish() refuses the rest.
class ObjectReader {
  public:
    explicit ObjectReader(const Node& node);

    // Calls `read` with the member when it is present.
    void optional(std::string_view key, const std::function<void(const Node&)>& read);
    void required(std::string_view key, const std::function<void(const Node&)>& read);
    template <typename T>
    void number(std::string_view key, T& out) {
        optional(key, [&](const Node& n) { out = readNumber<T>(n); });
    }
    void boolean(std::string_view key, bool& out);
    void string(std::string_view key, std::string& out);
    // `key` as text or `hexKey` as raw octets (readHexOctets), not both.
    void octets(std::string_view key, std::string_view hexKey, std::string& out);
    void object(std::string_view key, const std::function<void(ObjectReader&)>& read);
    void array(std::string_view key, const std::function<void(const Node&)>& readItem);

    bool has(std::string_view key) const;
    const std::string& pointer() const { return pointer_; }
    void finish() const;

  private:
    const Json& object_;
    std::string pointer_;
    std::set<std::string, std::less<>> known_;
};

// Reads `node` as an object with `read`, then refuses unknown keys.
void readObject(const Node& node, const std::function<void(ObjectReader&)>& read);

}  // namespace zlx::sim
