#include "sim/json_text.h"

#include <algorithm>
#include <vector>

namespace zlx::sim {

namespace {

using Json = nlohmann::json;

// Thrown when a value opens deeper than kMaxScenarioDepth; the place is found afterwards.
struct TooDeep {};

// The library's document builder, with every refusal located in the text: a number too large
// for a double is an out_of_range exception that carries no place of its own. It also counts
// the depth as values open, so nesting is bounded without a second pass over the text.
class LocatingParser : public nlohmann::detail::json_sax_dom_parser<Json> {
  public:
    LocatingParser(Json& document, std::string_view text)
        : json_sax_dom_parser(document, true), text_(text) {}

    bool start_object(std::size_t size) {
        enter();
        return json_sax_dom_parser::start_object(size);
    }
    bool start_array(std::size_t size) {
        enter();
        return json_sax_dom_parser::start_array(size);
    }
    bool end_object() {
        --depth_;
        return json_sax_dom_parser::end_object();
    }
    bool end_array() {
        --depth_;
        return json_sax_dom_parser::end_array();
    }

    template <class Exception>
    bool parse_error(std::size_t position, const std::string&, const Exception& e) {
        // position counts the bytes read, the offending one included.
        throw JsonTextError{placeOf(text_, position == 0 ? 0 : position - 1),
                            jsonProblem(e.what())};
    }

  private:
    void enter() {
        if (++depth_ > kMaxScenarioDepth) throw TooDeep{};
    }

    std::string_view text_;
    std::size_t depth_ = 0;
};

}  // namespace

std::string jsonProblem(const std::string& what) {
    std::string text = what;
    if (auto bracket = text.find("] "); text.starts_with("[json.exception") && bracket != text.npos)
        text = text.substr(bracket + 2);
    if (auto at = text.find(": "); text.starts_with("parse error") && at != text.npos)
        text = text.substr(at + 2);
    return text;
}

TextPlace placeOf(std::string_view text, std::size_t offset) {
    TextPlace place;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++place.line;
            place.column = 1;
        } else {
            ++place.column;
        }
    }
    return place;
}

std::optional<TextPlace> firstTooDeep(std::string_view text, std::size_t maxDepth) {
    enum class In { Value, String, LineComment, BlockComment } in = In::Value;
    std::size_t depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        char next = i + 1 < text.size() ? text[i + 1] : '\0';
        switch (in) {
            case In::String:
                if (c == '\\')
                    ++i;
                else if (c == '"')
                    in = In::Value;
                break;
            case In::LineComment:
                if (c == '\n') in = In::Value;
                break;
            case In::BlockComment:
                if (c == '*' && next == '/') {
                    in = In::Value;
                    ++i;
                }
                break;
            case In::Value:
                if (c == '"') {
                    in = In::String;
                } else if (c == '/' && (next == '/' || next == '*')) {
                    in = next == '/' ? In::LineComment : In::BlockComment;
                    ++i;
                } else if (c == '[' || c == '{') {
                    if (++depth > maxDepth) return placeOf(text, i);
                } else if ((c == ']' || c == '}') && depth > 0) {
                    --depth;
                }
                break;
        }
    }
    return std::nullopt;
}

namespace {

// The end of the string whose opening quote is at `open`: the index of its closing quote, or
// the text's size when it has none.
std::size_t stringEnd(std::string_view text, std::size_t open) {
    for (std::size_t i = open + 1; i < text.size(); ++i) {
        if (text[i] == '\\')
            ++i;
        else if (text[i] == '"')
            return i;
    }
    return text.size();
}

// How many bytes of the string content starting at `from` (up to `end`) stay when at most
// `keep` may: escapes, UTF-16 surrogate pairs written as two escapes and UTF-8 characters are
// kept whole or not at all.
std::size_t wholeUnitsWithin(std::string_view text, std::size_t from, std::size_t end,
                             std::size_t keep) {
    std::size_t i = from;
    while (i < end) {
        std::size_t unit = 1;
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\\') {
            unit = text[i + 1] == 'u' ? 6 : 2;
            // A high surrogate and the low one after it.
            if (unit == 6 && i + 12 <= end && (text[i + 2] == 'd' || text[i + 2] == 'D') &&
                std::string_view("89abAB").find(text[i + 3]) != std::string_view::npos)
                unit = 12;
        } else if (byte >= 0xC0) {
            unit = byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        }
        if (i + unit > end || i + unit - from > keep) break;
        i += unit;
    }
    return i - from;
}

}  // namespace

void shortenString(std::string& text, std::initializer_list<std::string_view> path,
                   std::size_t keep) {
    // The key of each object entered, and whether the next string there is a key.
    std::vector<std::string_view> keys;
    std::vector<bool> objects, expectKey;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (c == '/' && next == '/') {
            i = std::min(text.find('\n', i), text.size());
        } else if (c == '/' && next == '*') {
            std::size_t close = text.find("*/", i + 2);
            i = close == std::string::npos ? text.size() : close + 1;
        } else if (c == '{' || c == '[') {
            objects.push_back(c == '{');
            expectKey.push_back(c == '{');
            keys.emplace_back();
        } else if ((c == '}' || c == ']') && !objects.empty()) {
            objects.pop_back();
            expectKey.pop_back();
            keys.pop_back();
        } else if (c == ',' && !objects.empty()) {
            expectKey.back() = objects.back();
        } else if (c == '"') {
            std::size_t end = stringEnd(text, i);
            if (!objects.empty() && expectKey.back()) {
                keys.back() = std::string_view(text).substr(i + 1, end - i - 1);
                expectKey.back() = false;
            } else if (objects.size() == path.size() &&
                       std::equal(keys.begin(), keys.end(), path.begin()) && end < text.size() &&
                       end - i - 1 > keep) {
                std::size_t kept = wholeUnitsWithin(text, i + 1, end, keep);
                text.erase(i + 1 + kept, end - i - 1 - kept);
                end = i + 1 + kept;
            }
            i = end;
        }
    }
}

Json parseJsonText(std::string_view text) {
    Json document;
    LocatingParser parser(document, text);
    try {
        Json::sax_parse(text, &parser, Json::input_format_t::json, true,
                        /*ignore_comments=*/true);
    } catch (const TooDeep&) {
        // The parser meets values in the text's order, so the first too deep is the one found.
        throw JsonTextError{
            firstTooDeep(text, kMaxScenarioDepth).value_or(TextPlace{}),
            "values nested deeper than " + std::to_string(kMaxScenarioDepth) + " levels"};
    } catch (const Json::exception& e) {
        throw JsonTextError{placeOf(text, text.size()), jsonProblem(e.what())};
    }
    return document;
}

}  // namespace zlx::sim
