#include "platform/windows_types.h"

#include <cstdio>

namespace zlx::platform {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isDashPosition(std::size_t i) {
    return i == 8 || i == 13 || i == 18 || i == 23;
}

}  // namespace

std::string formatGuid(const Guid& guid) {
    const auto& b = guid.bytes;
    // Data1, Data2 and Data3 are little-endian integers in memory; Data4 is printed byte by
    // byte in memory order.
    // Spelled out rather than printf'd: the simulated machine converts a GUID millions of times
    // for a scenario with thousands of interfaces.
    static constexpr char kDigits[] = "0123456789abcdef";
    static constexpr int kOrder[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    std::string text;
    text.reserve(36);
    for (int k = 0; k < 16; ++k) {
        if (k == 4 || k == 6 || k == 8 || k == 10) text += '-';
        text += kDigits[b[kOrder[k]] >> 4];
        text += kDigits[b[kOrder[k]] & 0xF];
    }
    return text;
}

bool parseGuid(const std::string& text, Guid& out) {
    if (text.size() != 36) return false;
    std::uint8_t digits[32];
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isDashPosition(i)) {
            if (text[i] != '-') return false;
            continue;
        }
        int v = hexValue(text[i]);
        if (v < 0) return false;
        digits[n++] = static_cast<std::uint8_t>(v);
    }
    auto byteAt = [&](std::size_t k) {
        return static_cast<std::uint8_t>(digits[2 * k] << 4 | digits[2 * k + 1]);
    };
    // Text order of the 16 bytes, mapped to memory order.
    static constexpr std::size_t kMemoryIndex[16] = {3, 2, 1,  0,  5,  4,  7,  6,
                                                     8, 9, 10, 11, 12, 13, 14, 15};
    Guid parsed;
    for (std::size_t k = 0; k < 16; ++k) parsed.bytes[kMemoryIndex[k]] = byteAt(k);
    out = parsed;
    return true;
}

}  // namespace zlx::platform
