#include "clientsuite/addressing.h"

#include <gtest/gtest.h>

namespace zlx::clientsuite {
namespace {

TEST(AddressingTest, PingTargetIsOnlyADottedDecimalAddress) {
    struct Case {
        const char* gateway;
        const char* target;
    } cases[] = {
        {"192.168.10.1", "192.168.10.1"},
        {"10.0.0.1", "10.0.0.1"},
        {"255.255.255.255", "255.255.255.255"},
        {"0.0.0.0", ""},
        {"", ""},
        {"1.2.3", ""},
        {"1.2.3.4.5", ""},
        {"256.1.1.1", ""},
        {"1.2.3.4 ", ""},
        {" 1.2.3.4", ""},
        {"1.2.3.4 & calc.exe", ""},
        {"1.2.3.4\n-t", ""},
        {"1..3.4", ""},
        {"1.2.3.1000", ""},
        {"fe80::1", ""},
        {"-n 99 1.2.3.4", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(pickPingTarget(c.gateway), c.target) << c.gateway;
}

TEST(AddressingTest, VerdictsOfTheSettings) {
    struct Case {
        const char* ip;
        const char* target;
        const char* mask;
        bool dhcp;
        AddressVerdict verdict;
    } cases[] = {
        {"10.1.2.3", "", "255.0.0.0", true, AddressVerdict::Usable},
        {"192.168.10.57", "192.168.10.1", "255.255.255.0", true, AddressVerdict::Usable},
        {"  ", "192.168.10.1", "255.255.255.0", false, AddressVerdict::NoAddress},
        {"", "", "", true, AddressVerdict::NoAddress},
        {"169.254.10.20", "", "255.255.0.0", true, AddressVerdict::AutoConfigured},
        {"169.254.0.1", "", "255.255.0.0", false, AddressVerdict::AutoConfigured},
        {"0.0.0.0", "", "0.0.0.0", true, AddressVerdict::AllZero},
        // Numbers, not substrings: only 169.254.0.0/16 is auto-configured, only 0.0.0.0 is zero.
        {"10.169.254.3", "", "255.0.0.0", true, AddressVerdict::Usable},
        {"169.2.54.1", "", "255.255.0.0", true, AddressVerdict::Usable},
        {"100.0.0.0", "", "255.0.0.0", true, AddressVerdict::Usable},
        {"16.1.2.3", "16.0.0.1", "240.0.0.0", false, AddressVerdict::Usable},
        {"192.168.1.20", "", "", false, AddressVerdict::MaskNotUsable},
        {"192.168.1.20", "192.168.1.1", "0.0.0.0", false, AddressVerdict::MaskNotUsable},
        {"192.168.1.20", "192.168.1.1", "mask", false, AddressVerdict::MaskNotUsable},
        {"192.168.1.20", "192.168.2.1", "255.255.255.0", false,
         AddressVerdict::OutsideGatewaySubnet},
        // Numbers, not substrings: "100" does not contain the gateway's "10".
        {"192.168.100.20", "192.168.10.1", "255.255.255.0", false,
         AddressVerdict::OutsideGatewaySubnet},
        // The fourth octet counts too.
        {"10.0.0.130", "10.0.0.1", "255.255.255.128", false, AddressVerdict::OutsideGatewaySubnet},
        {"10.0.0.100", "10.0.0.1", "255.255.255.128", false, AddressVerdict::Usable},
        {"192.168.10.57", "", "255.255.255.0", false, AddressVerdict::NoGateway},
        {" 192.168.10.57 ", "192.168.10.1", "255.255.255.0", false, AddressVerdict::Usable},
        {"not an address", "192.168.10.1", "255.255.255.0", false,
         AddressVerdict::OutsideGatewaySubnet},
    };
    for (const auto& c : cases) {
        std::string ip = c.ip;
        EXPECT_EQ(checkAddressing(ip, c.target, c.mask, c.dhcp), c.verdict)
            << c.ip << " " << c.target << " " << c.mask;
    }
    std::string padded = " \t192.168.10.57 \r\n";
    checkAddressing(padded, "192.168.10.1", "255.255.255.0", false);
    EXPECT_EQ(padded, "192.168.10.57");
}

}  // namespace
}  // namespace zlx::clientsuite
