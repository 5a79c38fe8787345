// Profile XML comes from the wireless service, which returns whatever a user or a program
// stored: every document must be read without a crash or unbounded work.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "troubleshooting/profile_xml.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view xml(reinterpret_cast<const char*>(data), size);
    zlx::troubleshooting::zlxElementText(xml);
    zlx::troubleshooting::profileEapMethod(xml);
    zlx::troubleshooting::profileElementText(xml, "/WLANProfile/name");
    return 0;
}
