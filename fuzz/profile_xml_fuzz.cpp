// Profile XML comes from the wireless service, which returns whatever a user or a program
// stored: every document must be read without a crash or unbounded work.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "wlan/profile_xml.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view xml(reinterpret_cast<const char*>(data), size);
    zlx::wlan::zlxElementText(xml);
    zlx::wlan::profileEapMethod(xml);
    zlx::wlan::profileElementText(xml, "/WLANProfile/name");
    return 0;
}
