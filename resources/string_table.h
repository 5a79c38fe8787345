#pragma once
// The program's string table: every user-visible text, addressed by its decimal number.
// Texts are UTF-8 and held as constant data; lookups never allocate and never fail loudly.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "resources/resource_ids.h"

namespace zlx::resources {

struct StringEntry {
    int id;
    std::string_view text;
};

// The text of string `id`, or nothing when the table has no such number.
std::optional<std::string_view> loadString(int id);

// The text of string `id`, or `fallback` when the table has no such number.
std::string stringOr(int id, std::string_view fallback);

// Every entry, sorted by id, each id once.
std::span<const StringEntry> allStrings();

// Diagnostic channel status codes 0 to 33 ("Reserved" and the texts after "[DiagServ]"): the
// texts sit on the odd numbers from kIdsDiagStatusFirst.
inline constexpr std::uint32_t kDiagStatusLastCode = 33;

constexpr std::optional<int> diagStatusStringId(std::uint32_t code) {
    if (code > kDiagStatusLastCode) return std::nullopt;
    return kIdsDiagStatusFirst + 2 * static_cast<int>(code);
}

// Diagnostic channel progress events 0x80000005 to 0x80000010: event 0x80000000 + k is
// string kIdsDiagEventBase + k.
inline constexpr std::uint32_t kDiagEventFirstCode = 0x80000005u;
inline constexpr std::uint32_t kDiagEventLastCode = 0x80000010u;

constexpr std::optional<int> diagEventStringId(std::uint32_t code) {
    if (code < kDiagEventFirstCode || code > kDiagEventLastCode) return std::nullopt;
    return kIdsDiagEventBase + static_cast<int>(code - 0x80000000u);
}

}  // namespace zlx::resources
