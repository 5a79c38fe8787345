// The pure pieces of the tests: labels, the authentication table, the driver name and the SSID.

#include <gtest/gtest.h>

#include "clientsuite/connection_checks.h"
#include "clientsuite/generic_check.h"
#include "clientsuite/hardware_checks.h"
#include "clientsuite/network_check.h"
#include "sim/sim_system.h"
#include "testwindow/line_format.h"
#include "wlan/network_name.h"

namespace zlx::clientsuite {
namespace {

TEST(PadLabelTest, LabelsBecomeTwentyEightCharactersUpToTwentySix) {
    struct Case {
        std::string label;
        std::string padded;
    } cases[] = {
        {"Nic name", "Nic name. . . . . . . . . : "},
        {"Driver name", "Driver name . . . . . . . : "},
        {"", ". . . . . . . . . . . . . : "},
        {"A", "A . . . . . . . . . . . . : "},
        {std::string(24, 'x'), std::string(24, 'x') + ". : "},
        {std::string(25, 'x'), std::string(25, 'x') + " : "},
        {std::string(26, 'x'), std::string(26, 'x') + ": "},
        {std::string(27, 'x'), std::string(27, 'x') + " : "},
        {std::string(40, 'x'), std::string(40, 'x') + ": "},
        {"Active Profile Name   ", "Active Profile Name   . . : "},
    };
    for (auto& c : cases) {
        const std::string label = testwindow::detailsLine(c.label, "");
        EXPECT_EQ(label, c.padded) << c.label;
        if (c.label.size() <= 26) {
            EXPECT_EQ(label.size(), 28u) << c.label;
        }
    }
}

TEST(AuthenticationTableTest, JudgesByAdapterSecurityAndState) {
    using S = TestStatus;
    constexpr int none = 0, notAssociated = 52, associated = 53, unexpected = 216,
                  authenticating = 42;
    struct Case {
        ConnectionFacts facts;
        S status;
        int linkStatus;
    } cases[] = {
        {{false, true, 1, 6, 1}, S::Failed, none},
        {{true, false, 0, 0, 0}, S::Failed, notAssociated},
        {{true, true, 0, 6, 1}, S::Bypassed, none},
        {{true, true, 1, 1, 1}, S::Bypassed, none},
        {{true, true, 1, 2, 1}, S::Bypassed, none},
        {{true, true, 1, 4, 1}, S::Bypassed, none},
        {{true, true, 1, 5, 1}, S::Bypassed, none},
        {{true, true, 1, 3, 0}, S::Failed, notAssociated},
        {{true, true, 1, 6, 1}, S::Passed, associated},
        {{true, true, 1, 7, 1}, S::Passed, associated},
        {{true, true, 1, 6, 2}, S::Passed, associated},
        {{true, true, 1, 6, 8}, S::Passed, associated},
        {{true, true, 1, 6, 3}, S::Failed, unexpected},
        {{true, true, 1, 6, 4}, S::Failed, unexpected},
        {{true, true, 1, 6, 5}, S::Authenticating, authenticating},
        {{true, true, 1, 6, 6}, S::Authenticating, authenticating},
        {{true, true, 1, 6, 7}, S::Authenticating, authenticating},
        {{true, true, 1, 0x80000001u, 1}, S::Passed, associated},
    };
    for (const auto& c : cases) {
        AuthenticationJudgement j = judgeAuthentication(c.facts);
        std::string trace = "algorithm " + std::to_string(c.facts.authAlgorithm) + " state " +
                            std::to_string(c.facts.interfaceState);
        EXPECT_EQ(j.status, c.status) << trace;
        EXPECT_EQ(j.linkStatusStringId, c.linkStatus) << trace;
    }
}

TEST(DriverNameTest, PartBetweenLastBackslashAndLastPeriodInUpperCase) {
    struct Case {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys", "NVZLX64"},
        {"nvzlx.sys", "NVZLX"},
        {"C:\\drivers\\nvzlx", ""},
        {"C:\\dir.d\\nvzlx", ""},
        {"C:\\drivers\\nv.zlx.sys", "NV.ZLX"},
        {"", ""},
        {"C:\\drivers\\.sys", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(driverNameOf(c.path), c.name) << c.path;
}

TEST(SsidTextTest, ItsLengthsOctetsAtMostThirtyTwoZerosIncluded) {
    sim::SimCodePages codePages;
    std::vector<std::uint8_t> attributes(68, 0);
    std::string full(32, 'S');
    std::copy(full.begin(), full.end(), attributes.begin() + 4);
    attributes[36] = 'X';  // the next field, never part of the SSID
    auto text = [&](std::uint8_t length) {
        attributes[0] = length;
        return ssidTextOf(codePages, attributes.data(), attributes.size());
    };
    EXPECT_EQ(text(32), full);
    EXPECT_EQ(text(200), full) << "a length past 32";
    attributes[4 + 5] = 0;
    EXPECT_EQ(text(7), std::string("SSSSS\0S", 7)) << "a zero octet is part of the name";
    EXPECT_EQ(text(0), "");
    const std::string utf8 = "Caf\xC3\xA9-\xE2\x98\x95";
    std::copy(utf8.begin(), utf8.end(), attributes.begin() + 4);
    EXPECT_EQ(text(static_cast<std::uint8_t>(utf8.size())), utf8);
    EXPECT_EQ(ssidTextOf(codePages, attributes.data(), 3), "") << "too short for a length";
    // Octets that are not UTF-8 are the ANSI code page's.
    sim::SimCodePages westernEuropean(1252);
    EXPECT_EQ(wlan::networkNameText("Caf\xE9", westernEuropean), "Caf\xC3\xA9");
    EXPECT_EQ(wlan::networkNameText("Caf\xC3\xA9", westernEuropean), "Caf\xC3\xA9");
}

TEST(PhysicalAddressTest, SixOctetsWithZerosForMissingOnes) {
    EXPECT_EQ(formatPhysicalAddress({0x00, 0x21, 0x6a, 0x4b, 0x7c, 0x11, 0xff}),
              "00-21-6A-4B-7C-11");
    EXPECT_EQ(formatPhysicalAddress({0xab}), "AB-00-00-00-00-00");
}

}  // namespace
}  // namespace zlx::clientsuite
