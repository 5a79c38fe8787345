#pragma once
// Typed reading of scenario JSON. Every failure names its place as a JSON pointer, and every
// object refuses keys nobody asked for, so a misspelt key is an error, not a silent default.

#include <array>
#include <cstdint>
#include <limits>
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

// Where a value sits in the document: a chain of steps from the top, each held by the caller
// that walks into the value, written out as a JSON pointer only when a message names it.
// A place refers to its parent's, so it lives no longer than the walk that made it.
class Place {
  public:
    Place() = default;  // the document itself
    Place child(std::string_view key) const& { return Place(this, key, 0, false); }
    Place child(std::size_t index) const& { return Place(this, {}, index, true); }
    // A child of a temporary would outlive it.
    Place child(std::string_view key) const&& = delete;
    Place child(std::size_t index) const&& = delete;
    std::string text() const;

  private:
    Place(const Place* parent, std::string_view key, std::size_t index, bool isIndex)
        : parent_(parent), key_(key), index_(index), isIndex_(isIndex) {}
    const Place* parent_ = nullptr;
    std::string_view key_;
    std::size_t index_ = 0;
    bool isIndex_ = false;
};

[[noreturn]] void failAt(const Place& place, const std::string& problem);
inline Place childPointer(const Place& parent, std::string_view key) {
    return parent.child(key);
}
inline Place childPointer(const Place& parent, std::size_t index) {
    return parent.child(index);
}

// A value together with where it sits in the document.
struct Node {
    const Json& value;
    Place pointer;
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
    template <typename Read>
    void optional(std::string_view key, Read&& read) {
        known_.push_back(key);
        auto it = object_.find(key);
        if (it != object_.end()) read(Node{*it, pointer_.child(key)});
    }
    template <typename Read>
    void required(std::string_view key, Read&& read) {
        if (!has(key)) missing(key);
        optional(key, read);
    }
    template <typename T>
    void number(std::string_view key, T& out) {
        optional(key, [&](const Node& n) { out = readNumber<T>(n); });
    }
    void boolean(std::string_view key, bool& out);
    void string(std::string_view key, std::string& out);
    // `key` as text or `hexKey` as raw octets (readHexOctets), not both.
    void octets(std::string_view key, std::string_view hexKey, std::string& out);
    template <typename Read>
    void object(std::string_view key, Read&& read);
    template <typename ReadItem>
    void array(std::string_view key, ReadItem&& readItem) {
        optional(key, [&](const Node& n) {
            if (!n.value.is_array()) notAList(n);
            for (std::size_t i = 0; i < n.value.size(); ++i)
                readItem(Node{n.value[i], n.pointer.child(i)});
        });
    }

    bool has(std::string_view key) const;
    const Place& pointer() const { return pointer_; }
    void finish() const;

  private:
    [[noreturn]] void missing(std::string_view key) const;
    [[noreturn]] static void notAList(const Node& node);

    const Json& object_;
    Place pointer_;
    // The keys asked for: names written in the readers, so views of them stay valid.
    std::vector<std::string_view> known_;
};

// Reads `node` as an object with `read`, then refuses unknown keys.
template <typename Read>
void readObject(const Node& node, Read&& read) {
    ObjectReader reader(node);
    read(reader);
    reader.finish();
}

template <typename Read>
void ObjectReader::object(std::string_view key, Read&& read) {
    optional(key, [&](const Node& n) { readObject(n, read); });
}

}  // namespace zlx::sim
