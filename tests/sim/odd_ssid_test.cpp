// SSIDs and profile names are octets an access point or a user chose: the scenario gives them
// in hex, the simulated service returns them unchanged, and the call log shows them escaped.

#include <gtest/gtest.h>

#include "sim/sim_machine.h"
#include "test_support.h"

namespace zlx::sim {
namespace {

using testing::guidOf;
using testing::scenarioFrom;

struct OddName {
    const char* what;
    const char* hex;
    std::string octets;
    const char* logged;  // the profile name as the call log shows it
};

const OddName kOddNames[] = {
    {"empty", "", "", R"("")"},
    {"32 octets", "4142434445464748494a4b4c4d4e4f505152535455565758595a303132333435",
     "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", R"("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345")"},
    {"embedded NUL", "41004200", std::string("A\0B\0", 4), R"("A\x00B\x00")"},
    {"invalid UTF-8", "c328ff", "\xC3(\xFF", R"("\xc3(\xff")"},
    {"format directives", "2573256e2578", "%s%n%x", R"("%s%n%x")"},
    {"ESC sequence", "1b5b33316d7265641b5d303b782107", "\x1B[31mred\x1B]0;x!\a",
     R"("\x1b[31mred\x1b]0;x!\x07")"},
    {"bidi override", "e280ae6c6976652e747874e280ac", "\u202Elive.txt\u202C",
     R"("\u202elive.txt\u202c")"},
    {"CR LF", "610d0a62", "a\r\nb", R"("a\r\nb")"},
};

std::string scenarioWith(const OddName& n) {
    return std::string(R"({"wlan": {"interfaces": [{"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c",
        "connection": {"profileNameHex": ")") +
           n.hex + R"(", "ssidHex": ")" + n.hex + R"("},
        "profiles": [{"nameHex": ")" +
           n.hex + R"(", "xml": "<WLANProfile/>"}]}]}})";
}

TEST(OddSsid, ServiceReturnsTheOctetsAndTheCallLogEscapesThem) {
    const Guid adapter = guidOf("3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c");
    for (const OddName& n : kOddNames) {
        SCOPED_TRACE(n.what);
        Scenario scenario = scenarioFrom(scenarioWith(n));
        const auto& iface = scenario.wlan.interfaces.at(0);
        EXPECT_EQ(iface.profiles.at(0).name, n.octets);
        EXPECT_EQ(iface.connection->attributes.profileName, n.octets);

        ManualClock clock;
        SimMachine machine(scenario, clock);
        WlanApi& wlan = machine.wlan();
        WlanHandle handle = 0;
        std::uint32_t negotiated = 0, valueType = 0;
        ASSERT_EQ(wlan.openHandle(2, negotiated, handle), kErrorSuccess);
        std::vector<std::uint8_t> data;
        ASSERT_EQ(
            wlan.queryInterface(handle, adapter, kWlanOpcodeCurrentConnection, data, valueType),
            kErrorSuccess);
        auto connection = decodeConnectionAttributes(data);
        ASSERT_TRUE(connection);
        EXPECT_EQ(
            std::string(connection->association.ssid.begin(), connection->association.ssid.end()),
            n.octets);

        std::string xml;
        wlan.getProfile(handle, adapter, n.octets, xml);
        EXPECT_EQ(xml, "<WLANProfile/>");
        EXPECT_EQ(machine.calls().all().back(),
                  "WlanGetProfile(handle=1, profile=" + std::string(n.logged) + ") -> 0");
    }
}

TEST(OddSsid, HexFormsAreCheckedAndNamed) {
    struct Case {
        const char* connection;
        const char* message;
    };
    const Case cases[] = {
        {R"("ssidHex": "abc")", "/connection/ssidHex: odd number of hex digits (3)"},
        {R"("ssidHex": "00zz")", "/connection/ssidHex: not a hex digit at 2 in \"00zz\""},
        {R"("ssidHex": "00 1")", "/connection/ssidHex: not a hex digit at 2 in \"00 1\""},
        {R"("ssidHex": "414243444546474849404142434445464748494041424344454647484940414243")",
         "/connection/ssidHex: an SSID has at most 32 octets, got 33"},
        {R"("ssid": "a", "ssidHex": "61")",
         "/connection/ssidHex: give either \"ssid\" or \"ssidHex\""},
        {R"("profileNameHex": 7)", "/connection/profileNameHex: expected a string, got 7"},
    };
    for (const Case& c : cases) {
        std::string text =
            R"({"wlan": {"interfaces": [{"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c",
            "connection": {)" +
            std::string(c.connection) + "}}]}}";
        try {
            scenarioFrom(text);
            ADD_FAILURE() << c.connection << " was accepted";
        } catch (const ScenarioError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "test.json: /wlan/interfaces/0" + std::string(c.message));
        }
    }
    EXPECT_THROW(
        scenarioFrom(R"({"wlan": {"interfaces": [{"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c",
        "profiles": [{"xml": ""}]}]}})"),
        ScenarioError);
}

}  // namespace
}  // namespace zlx::sim
