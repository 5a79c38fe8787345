#include "diagchannel/ihv_events.h"

#include "platform/text.h"
#include "resources/string_table.h"

namespace zlx::diagchannel {

namespace {
// The line buffer's limits, in UTF-16 units: the copied text and the whole line with its NUL.
constexpr std::size_t kCopyLimit = 230 - 1;
constexpr std::size_t kLineLimit = 240 - 1;
}  // namespace

std::optional<std::uint32_t> eventCode(std::span<const std::uint8_t> payload) {
    if (payload.size() < 4) return std::nullopt;
    return static_cast<std::uint32_t>(payload[0] | (payload[1] << 8) | (payload[2] << 16) |
                                      (static_cast<std::uint32_t>(payload[3]) << 24));
}

bool isProgressEvent(std::uint32_t code) {
    return (code >= kFirstStatusCode && code <= kLastStatusCode) ||
           (code >= kEventFirstProgress && code <= kEventLastProgress);
}

std::optional<std::string> progressLine(std::uint32_t code) {
    if (code >= kFirstStatusCode && code <= kLastStatusCode) {
        auto id = resources::diagStatusStringId(code);
        std::string line = platform::truncateToUtf16Units("[DiagServ]", kCopyLimit);
        line += id ? resources::stringOr(*id, "") : std::string();
        return platform::truncateToUtf16Units(line, kLineLimit);
    }
    if (code >= kEventFirstProgress && code <= kEventLastProgress) {
        auto id = resources::diagEventStringId(code);
        return platform::truncateToUtf16Units(id ? resources::stringOr(*id, "") : "", kCopyLimit);
    }
    return std::nullopt;
}

}  // namespace zlx::diagchannel
