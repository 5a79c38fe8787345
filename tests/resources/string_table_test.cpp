#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <string_view>

namespace zlx::resources {
namespace {

using namespace std::string_view_literals;

TEST(StringTable, IdsAreSortedAndUnique) {
    const auto entries = allStrings();
    ASSERT_FALSE(entries.empty());
    for (std::size_t i = 1; i < entries.size(); ++i) {
        EXPECT_LT(entries[i - 1].id, entries[i].id) << "at index " << i;
    }
}

TEST(StringTable, EveryEntryIsFoundByItsId) {
    for (const auto& entry : allStrings()) {
        const auto text = loadString(entry.id);
        ASSERT_TRUE(text.has_value()) << entry.id;
        EXPECT_EQ(*text, entry.text) << entry.id;
    }
}

struct Sample {
    int id;
    std::string_view text;
};

// Texts whose blanks, line feeds, ampersands or numbering are easy to get wrong.
constexpr Sample kSamples[] = {
    {51, "none"},
    {72, "Diagnostics Error"},
    {107, "Try reinstalling the software.\nIf that does not work, try replacing the radio."},
    {126, " "},
    {153,
     "Use the Network icon in the System Preferences application\n"
     "to set the network configuration for your client adapter."},
    {165, "%d%%"},
    {166, "Short && Long"},
    {174, "Active Profile Name   "},
    {210, "Your IP address: 0.0.0.0.  Try to renew the IP address."},
    {220, "ZLX Client Diagnostics"},
    {221, "Help is not available !"},
    {1045, "Reserved"},
    {1047, "The SSID is invalid."},
    {1099, "Test request refused by  the client."},
    {1111, "The WLAN authentication method is not correct."},
    {1150, "Received DNS ping test request."},
    {1161, "Network has concluded all tests."},
    {1185, "Link Status:"},
    {1082, "Data Encryption:"},
    {4116, "32 mW "},
    {5280, " 9 mW"},
    {5403, "Troubleshooting"},
    {5404, "Troubleshooting Mode"},
    {5405, "Network Managed Tests"},
    {5406, "Client Managed Tests"},
    {5407, "Start"},
    {5408, "Connection"},
    {5409, "Adapter:"},
};

TEST(StringTable, SampleTextsAreExact) {
    for (const auto& sample : kSamples) {
        const auto text = loadString(sample.id);
        ASSERT_TRUE(text.has_value()) << sample.id;
        EXPECT_EQ(*text, sample.text) << sample.id;
    }
}

TEST(StringTable, DiagnosticStatusCodesUseEveryOtherNumber) {
    EXPECT_EQ(diagStatusStringId(0), 1045);
    EXPECT_EQ(diagStatusStringId(1), 1047);
    EXPECT_EQ(diagStatusStringId(27), 1099);
    EXPECT_EQ(diagStatusStringId(33), 1111);
    EXPECT_EQ(diagStatusStringId(34), std::nullopt);
    EXPECT_EQ(loadString(*diagStatusStringId(5)), "Please call support."sv);
    for (std::uint32_t code = 0; code <= kDiagStatusLastCode; ++code) {
        EXPECT_TRUE(loadString(*diagStatusStringId(code)).has_value()) << code;
    }
}

TEST(StringTable, DiagnosticEventsMapOntoTheirRange) {
    EXPECT_EQ(diagEventStringId(0x80000004u), std::nullopt);
    EXPECT_EQ(diagEventStringId(0x80000005u), 1150);
    EXPECT_EQ(diagEventStringId(0x80000010u), 1161);
    EXPECT_EQ(diagEventStringId(0x80000011u), std::nullopt);
    EXPECT_EQ(loadString(*diagEventStringId(0x80000007u)), "Received DHCP test request."sv);
}

TEST(StringTable, MissingIdGivesNoValue) {
    EXPECT_FALSE(loadString(0).has_value());
    EXPECT_FALSE(loadString(-2).has_value());
    EXPECT_FALSE(loadString(1113).has_value());
    EXPECT_FALSE(loadString(99999).has_value());
}

TEST(StringTable, StringOrFallsBackOnlyWhenMissing) {
    EXPECT_EQ(stringOr(81, "fallback"), "All Tests Complete");
    EXPECT_EQ(stringOr(0, "fallback"), "fallback");
}

}  // namespace
}  // namespace zlx::resources
