#include "clientsuite/addressing.h"

namespace zlx::clientsuite {

namespace {

const char* const kWhiteSpace = " \t\r\n\v\f";
constexpr std::array<std::uint8_t, 4> kAllZero{};

std::string trimmed(const std::string& text) {
    auto first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

}  // namespace

std::optional<std::array<std::uint8_t, 4>> parseDottedQuad(const std::string& text) {
    std::array<std::uint8_t, 4> octets{};
    std::size_t at = 0;
    for (std::size_t part = 0; part < 4; ++part) {
        if (part > 0) {
            if (at >= text.size() || text[at] != '.') return std::nullopt;
            ++at;
        }
        std::size_t digits = 0;
        unsigned value = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 3) {
            value = value * 10 + static_cast<unsigned>(text[at] - '0');
            ++at;
            ++digits;
        }
        if (digits == 0 || value > 255) return std::nullopt;
        octets[part] = static_cast<std::uint8_t>(value);
    }
    if (at != text.size()) return std::nullopt;
    return octets;
}

std::string pickPingTarget(const std::string& gateway) {
    auto address = parseDottedQuad(gateway);
    if (!address || *address == kAllZero) return {};
    return gateway;
}

bool subnetConsistent(const std::string& ip, const std::string& gateway, const std::string& mask) {
    std::string gatewayText = trimmed(gateway);
    if (gatewayText.empty()) return true;
    auto address = parseDottedQuad(trimmed(ip));
    auto router = parseDottedQuad(gatewayText);
    auto netmask = parseDottedQuad(trimmed(mask));
    if (!address || !router || !netmask) return false;
    for (std::size_t i = 0; i < 4; ++i)
        if (((*address)[i] & (*netmask)[i]) != ((*router)[i] & (*netmask)[i])) return false;
    return true;
}

AddressVerdict checkAddressing(std::string& ip, const std::string& target, const std::string& mask,
                               bool dhcpEnabled) {
    ip = trimmed(ip);
    if (ip.empty()) return AddressVerdict::NoAddress;
    // Numbers, not text: 10.169.254.3 is not link-local, and 100.0.0.0 is not all zero.
    if (auto address = parseDottedQuad(ip)) {
        if ((*address)[0] == 169 && (*address)[1] == 254) return AddressVerdict::AutoConfigured;
        if (*address == kAllZero) return AddressVerdict::AllZero;
    }
    if (dhcpEnabled) return AddressVerdict::Usable;
    auto netmask = parseDottedQuad(trimmed(mask));
    if (!netmask || *netmask == kAllZero) return AddressVerdict::MaskNotUsable;
    if (!subnetConsistent(ip, target, mask)) return AddressVerdict::OutsideGatewaySubnet;
    if (target.empty()) return AddressVerdict::NoGateway;
    return AddressVerdict::Usable;
}

}  // namespace zlx::clientsuite
