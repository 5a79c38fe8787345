#pragma once
// Small builders shared by the simulated machine's tests.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bytes.h"
#include "platform/text.h"
#include "platform/windows_types.h"
#include "sim/scenario.h"

namespace zlx::sim::testing {

inline Scenario scenarioFrom(std::string_view json) {
    return parseScenario(json, "test.json");
}

inline Guid guidOf(const std::string& text) {
    Guid guid;
    if (!parseGuid(text, guid)) throw std::invalid_argument("bad GUID in test: " + text);
    return guid;
}

// A driver request as the program builds it: the code at 4, the length value at 16.
inline std::vector<std::uint8_t> driverRequest(std::uint32_t code, std::size_t size,
                                               std::uint32_t lengthValue) {
    std::vector<std::uint8_t> request(size, 0);
    storeLe<std::uint32_t>(request, 4, code);
    if (size >= 20) storeLe<std::uint32_t>(request, 16, lengthValue);
    return request;
}

// The 264-byte service control message.
inline std::vector<std::uint8_t> serviceMessage(std::uint32_t operation,
                                                const std::string& profile = "") {
    std::vector<std::uint8_t> message(264, 0);
    message[0] = 0x00;
    message[1] = 0x40;
    message[2] = 0x96;
    message[3] = 0x01;
    storeLe<std::uint32_t>(message, 4, operation);
    auto name = utf16leBytes(truncateToUtf16Units(profile, 127), true);
    std::copy(name.begin(), name.end(), message.begin() + 8);
    return message;
}

}  // namespace zlx::sim::testing
