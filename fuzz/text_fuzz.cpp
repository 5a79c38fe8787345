// The text conversions meet names from the driver, the service and scenarios. Besides not
// crashing they keep their promises: valid output, no split surrogate pairs, stable escaping.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "platform/text.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zlx::platform;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);

    std::string clean = sanitizeUtf8(bytes);
    require(sanitizeUtf8(clean) == clean);
    require(utf16ToUtf8(utf8ToUtf16(clean)) == clean);
    // The wire form ends at the first NUL unit.
    require(utf8FromUtf16le(utf16leBytes(clean, false)) == clean.substr(0, clean.find('\0')));

    std::string fromWire = utf8FromUtf16le(std::span<const std::uint8_t>(data, size));
    require(sanitizeUtf8(fromWire) == fromWire);

    std::size_t units = size == 0 ? 0 : data[0];
    std::string cut = truncateToUtf16Units(clean, units);
    require(utf16Length(cut) <= units && clean.starts_with(cut));

    std::string shown = escapeControls(bytes);
    require(escapeControls(shown) == shown);
    for (char c : shown) require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    toLowerAscii(bytes);
    matchesHexForm(bytes, "PCI\\VEN_hhhh");
    return 0;
}
