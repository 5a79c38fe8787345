#pragma once
// UTF-8 inside, UTF-16 at the wire formats that carry it. Invalid input becomes U+FFFD.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zlx::platform {

std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

// Little-endian UTF-16 bytes; reading stops at the first NUL unit or the end of the bytes. An
// odd last byte reads as U+FFFD.
std::vector<std::uint8_t> utf16leBytes(std::string_view text, bool withNul);
std::string utf8FromUtf16le(std::span<const std::uint8_t> bytes);

// Keeps at most `units` UTF-16 units of `text`, never splitting a surrogate pair.
std::string truncateToUtf16Units(std::string_view text, std::size_t units);
std::size_t utf16Length(std::string_view text);

// Replaces every invalid UTF-8 sequence by U+FFFD.
std::string sanitizeUtf8(std::string_view bytes);

// Whether a reader could be misled by `cp`: the C0 and C1 controls and DEL, which a terminal or
// a control acts on; the line and paragraph separators (U+2028, U+2029), which editors and
// browsers show as line breaks; and the bidirectional controls (U+061C, U+200E, U+200F, U+202A
// to U+202E, U+2066 to U+2069), which reorder what is shown around them. Every neutraliser
// asks this.
bool misleadsReader(char32_t cp);

enum class Escape { No, Yes };
// `text` made safe to show in a terminal or a one-line record: C0 and C1 controls, DEL, the
// line and paragraph separators and the bidirectional controls become \n, \r, \t, \x1b,
// \u2028 or \u202e, and bytes that are not UTF-8 become \xff. Other text is kept as it is, so
// escaping twice changes nothing unless quotes and backslashes are escaped too. Line breaks (\n
// only) may be kept for text that is several lines on purpose.
std::string escapeControls(std::string_view text, Escape quotesAndBackslashes = Escape::No,
                           Escape lineBreaks = Escape::Yes);

// A name from outside (an SSID, a profile name, an adapter description) made safe to put into
// a control: invalid UTF-8, C0 and C1 controls, DEL, the line and paragraph separators
// (U+2028, U+2029) and the bidirectional controls (U+061C, U+200E, U+200F, U+202A to U+202E,
// U+2066 to U+2069) each become one U+FFFD, so a name can neither hide nor reorder the text
// around it. Everything else is kept.
std::string displaySafeName(std::string_view name);

std::string toLowerAscii(std::string_view text);
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);
bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);
constexpr char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Appends `value` in decimal with at least `width` characters, zeros after any minus sign, as
// printf's "%0*lld" writes it; for the fixed forms of dates and versions shown every refresh.
void appendZeroPadded(std::string& out, long long value, int width);

// `value` with `significant` digits, as printf's "%.<significant>g" writes it in the C locale,
// whichever locale the process runs in: a toolkit may set the user's, whose decimal comma
// would split a CSV cell and make the same reading look different between front ends.
std::string generalNumber(double value, int significant = 6);
// Appends the bytes as upper-case hex pairs with `separator` between them ("00-1B-77").
void appendHexBytes(std::string& out, std::span<const std::uint8_t> bytes, char separator);

// Whether `text` has the shape `form`, in which 'h' stands for one upper-case hexadecimal digit
// and every other character for itself ("PCI\\VEN_hhhh").
bool matchesHexForm(std::string_view text, std::string_view form);

}  // namespace zlx::platform
