#include "sim/json_text.h"

namespace zlx::sim {

namespace {

using Json = nlohmann::json;

// The library's document builder, with every refusal located in the text: a number too large
// for a double is an out_of_range exception that carries no place of its own.
class LocatingParser : public nlohmann::detail::json_sax_dom_parser<Json> {
  public:
    LocatingParser(Json& document, std::string_view text)
        : json_sax_dom_parser(document, true), text_(text) {}

    template <class Exception>
    bool parse_error(std::size_t position, const std::string&, const Exception& e) {
        // position counts the bytes read, the offending one included.
        throw JsonTextError{placeOf(text_, position == 0 ? 0 : position - 1),
                            jsonProblem(e.what())};
    }

  private:
    std::string_view text_;
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

Json parseJsonText(std::string_view text) {
    if (auto place = firstTooDeep(text, kMaxScenarioDepth)) {
        throw JsonTextError{
            *place, "values nested deeper than " + std::to_string(kMaxScenarioDepth) + " levels"};
    }
    Json document;
    LocatingParser parser(document, text);
    try {
        Json::sax_parse(text, &parser, Json::input_format_t::json, true,
                        /*ignore_comments=*/true);
    } catch (const Json::exception& e) {
        throw JsonTextError{placeOf(text, text.size()), jsonProblem(e.what())};
    }
    return document;
}

}  // namespace zlx::sim
