#pragma once
// Checks on scenario text made before and while it becomes a JSON document, so that every
// refusal names a line and column.

#include "sim/platform_names.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace zlx::sim {

// Deeper than any real scenario needs; deep enough nesting would otherwise exhaust the stack
// of whoever walks the document.
inline constexpr std::size_t kMaxScenarioDepth = 64;

struct TextPlace {
    std::size_t line = 1;
    std::size_t column = 1;
};

// Where the first '[' or '{' opens a value deeper than `maxDepth`, outside strings and
// comments; nullopt when none does.
std::optional<TextPlace> firstTooDeep(std::string_view text, std::size_t maxDepth);

// Shortens, in place, the string at `path` (the keys from the top object down, written without
// escapes) to at most `keep` bytes of its JSON text, cut before an escape or a UTF-8 character
// it would split; the text stays JSON. Used before parsing, so that a value the program reads
// only the start of never costs memory for the rest. Other strings and values stay as they are.
void shortenString(std::string& text, std::initializer_list<std::string_view> path,
                   std::size_t keep);

// The line and column of byte `offset` (the first byte is line 1, column 1).
TextPlace placeOf(std::string_view text, std::size_t offset);

// The problem told by one of the library's exceptions, without its "[json.exception.KIND.N]"
// prefix and, for parse errors, without the place.
std::string jsonProblem(const std::string& what);

// A refusal of the JSON text: where, and nlohmann's problem without its "[json.exception...]"
// prefix.
struct JsonTextError {
    TextPlace place;
    std::string problem;
};

// Parses `text` (comments allowed) or throws JsonTextError.
nlohmann::json parseJsonText(std::string_view text);

}  // namespace zlx::sim
