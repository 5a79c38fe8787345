#include "wlan/network_name.h"

#include "platform/text.h"

namespace zlx::wlan {

std::string networkNameText(std::string_view octets, platform::CodePages& codePages) {
    if (platform::sanitizeUtf8(octets) == octets) return std::string(octets);
    return codePages.ansiToUtf8(octets);
}

}  // namespace zlx::wlan
