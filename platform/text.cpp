#include "platform/text.h"

#include <algorithm>
#include <charconv>

namespace zlx::platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// One step of a UTF-8 decoder that replaces each maximal ill-formed subpart by one U+FFFD,
// the way the Unicode standard recommends, so that every caller agrees on the result.
struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

Decoded decodeOne(std::string_view text, std::size_t pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(pos);
    if (lead < 0x80) return {lead, 1};

    std::size_t needed = 0;
    unsigned char low = 0x80, high = 0xBF;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        needed = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        needed = 2;
        value = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;  // no encoded surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        needed = 3;
        value = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return {kReplacement, 1};
    }

    std::size_t length = 1;
    for (std::size_t k = 0; k < needed; ++k) {
        if (pos + length >= text.size()) return {kReplacement, length};
        unsigned char next = byte(pos + length);
        if (next < low || next > high) return {kReplacement, length};
        low = 0x80;
        high = 0xBF;
        value = (value << 6) | (next & 0x3F);
        ++length;
    }
    return {value, length};
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

std::size_t unitsOf(char32_t cp) {
    return cp < 0x10000 ? 1 : 2;
}

bool isHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

// Reads one code point of UTF-16 at `pos`; an unpaired surrogate reads as U+FFFD.
Decoded decodeUtf16(std::u16string_view text, std::size_t pos) {
    char16_t unit = text[pos];
    if (isHighSurrogate(unit)) {
        if (pos + 1 < text.size() && isLowSurrogate(text[pos + 1])) {
            char32_t cp = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[pos + 1] - 0xDC00);
            return {cp, 2};
        }
        return {kReplacement, 1};
    }
    if (isLowSurrogate(unit)) return {kReplacement, 1};
    return {unit, 1};
}

// Most text the program handles is ASCII, which every one of these conversions leaves as it is.
bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        Decoded d = decodeOne(text, pos);
        appendUtf16(out, d.codePoint);
        pos += d.length;
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        Decoded d = decodeUtf16(text, pos);
        appendUtf8(out, d.codePoint);
        pos += d.length;
    }
    return out;
}

std::vector<std::uint8_t> utf16leBytes(std::string_view text, bool withNul) {
    std::u16string units = utf8ToUtf16(text);
    if (withNul) units += u'\0';
    std::vector<std::uint8_t> out;
    out.reserve(units.size() * 2);
    for (char16_t u : units) {
        out.push_back(static_cast<std::uint8_t>(u & 0xFF));
        out.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    return out;
}

std::string utf8FromUtf16le(std::span<const std::uint8_t> bytes) {
    // ASCII up to the terminator (or the end) reads byte for byte.
    std::size_t at = 0;
    while (at + 1 < bytes.size() && bytes[at + 1] == 0 && bytes[at] != 0 && bytes[at] < 0x80)
        at += 2;
    const bool ended = at + 1 < bytes.size() && bytes[at] == 0 && bytes[at + 1] == 0;
    if (ended || at == bytes.size()) {
        std::string ascii(at / 2, '\0');
        for (std::size_t i = 0; i < ascii.size(); ++i) ascii[i] = static_cast<char>(bytes[2 * i]);
        return ascii;
    }
    std::u16string units;
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char16_t u = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (u == 0) return utf16ToUtf8(units);
        units += u;
    }
    // A last byte without its partner is half a unit: invalid, not silently dropped.
    if (i < bytes.size()) units += static_cast<char16_t>(kReplacement);
    return utf16ToUtf8(units);
}

std::string truncateToUtf16Units(std::string_view text, std::size_t units) {
    if (isAscii(text)) return std::string(text.substr(0, units));
    std::string out;
    std::size_t used = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        Decoded d = decodeOne(text, pos);
        std::size_t cost = unitsOf(d.codePoint);
        if (used + cost > units) break;
        used += cost;
        appendUtf8(out, d.codePoint);
        pos += d.length;
    }
    return out;
}

std::size_t utf16Length(std::string_view text) {
    if (isAscii(text)) return text.size();
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        Decoded d = decodeOne(text, pos);
        units += unitsOf(d.codePoint);
        pos += d.length;
    }
    return units;
}

std::string sanitizeUtf8(std::string_view bytes) {
    if (isAscii(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        Decoded d = decodeOne(bytes, pos);
        appendUtf8(out, d.codePoint);
        pos += d.length;
    }
    return out;
}

bool misleadsReader(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x061C || cp == 0x200E ||
           cp == 0x200F || cp == 0x2028 || cp == 0x2029 || (cp >= 0x202A && cp <= 0x202E) ||
           (cp >= 0x2066 && cp <= 0x2069);
}

namespace {

void appendHexEscape(std::string& out, const char* prefix, unsigned value, int digits) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kDigits[(value >> shift) & 0xF];
}

}  // namespace

std::string escapeControls(std::string_view text, Escape quotesAndBackslashes, Escape lineBreaks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        Decoded d = decodeOne(text, pos);
        std::string_view bytes = text.substr(pos, d.length);
        pos += d.length;
        bool invalid = d.codePoint == kReplacement && bytes != "\xEF\xBF\xBD";
        char32_t cp = d.codePoint;
        if (invalid) {
            for (char byte : bytes)
                appendHexEscape(out, "\\x", static_cast<unsigned char>(byte), 2);
        } else if ((cp == '"' || cp == '\\') && quotesAndBackslashes == Escape::Yes) {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp == '\n' && lineBreaks == Escape::No) {
            out += '\n';
        } else if (!misleadsReader(cp)) {
            out += bytes;
        } else if (cp == '\n' || cp == '\r' || cp == '\t') {
            out += cp == '\n' ? "\\n" : cp == '\r' ? "\\r" : "\\t";
        } else if (cp < 0x80) {
            appendHexEscape(out, "\\x", static_cast<unsigned>(cp), 2);
        } else {
            appendHexEscape(out, "\\u", static_cast<unsigned>(cp), 4);
        }
    }
    return out;
}

std::string toLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = lowerAscii(c);
    return out;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equalIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool matchesHexForm(std::string_view text, std::string_view form) {
    if (text.size() != form.size()) return false;
    for (std::size_t i = 0; i < form.size(); ++i) {
        bool hexDigit = (text[i] >= '0' && text[i] <= '9') || (text[i] >= 'A' && text[i] <= 'F');
        if (form[i] == 'h' ? !hexDigit : text[i] != form[i]) return false;
    }
    return true;
}

}  // namespace zlx::platform

namespace zlx::platform {

std::string displaySafeName(std::string_view name) {
    // Printable ASCII, what names nearly always are, is safe as it is.
    if (std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        return std::string(name);
    std::string out;
    out.reserve(name.size());
    for (std::size_t pos = 0; pos < name.size();) {
        Decoded d = decodeOne(name, pos);
        appendUtf8(out, misleadsReader(d.codePoint) ? kReplacement : d.codePoint);
        pos += d.length;
    }
    return out;
}

std::string generalNumber(double value, int significant) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::general, significant);
    return written.ec == std::errc() ? std::string(buffer, written.ptr) : std::string();
}

void appendZeroPadded(std::string& out, long long value, int width) {
    // The magnitude as unsigned, so that the most negative value has one too.
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        out += '-';
        --width;
    }
    if (width > count) out.append(static_cast<std::size_t>(width - count), '0');
    while (count > 0) out += digits[--count];
}

void appendHexBytes(std::string& out, std::span<const std::uint8_t> bytes, char separator) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i != 0) out += separator;
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 0xF];
    }
}

}  // namespace zlx::platform
