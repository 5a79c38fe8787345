#pragma once
// Whether an adapter's IPv4 settings can work, and which address the network test pings.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zlx::clientsuite {

enum class AddressVerdict : int {
    Usable = 0,
    OutsideGatewaySubnet = 1,
    NoAddress = 2,
    AllZero = 3,
    AutoConfigured = 4,
    MaskNotUsable = 5,
    NoGateway = 8,
};

// Four numbers 0 to 255 between three periods, nothing else.
std::optional<std::array<std::uint8_t, 4>> parseDottedQuad(const std::string& text);

// The gateway when it is a dotted-decimal address other than 0.0.0.0; otherwise empty, and
// nothing is pinged.
std::string pickPingTarget(const std::string& gateway);

// Address AND mask equals gateway AND mask over all four octets; an empty gateway is
// consistent, texts that are not addresses are not.
bool subnetConsistent(const std::string& ip, const std::string& gateway, const std::string& mask);

// Judges the settings; `ip` loses its surrounding white space.
AddressVerdict checkAddressing(std::string& ip, const std::string& target, const std::string& mask,
                               bool dhcpEnabled);

}  // namespace zlx::clientsuite
