#pragma once
// A network name (SSID) is 0 to 32 octets, not text: modern Windows shows the octets as UTF-8
// when they are valid UTF-8, and only otherwise as text of the ANSI code page.

#include <string>
#include <string_view>

#include "platform/system.h"

namespace zlx::wlan {

// The octets as UTF-8 text, every octet kept (a zero octet too: it is part of the name).
std::string networkNameText(std::string_view octets, platform::CodePages& codePages);

}  // namespace zlx::wlan
