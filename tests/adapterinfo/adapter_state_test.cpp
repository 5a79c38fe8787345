// The adapter selections and the refreshes of the link records.

#include <gtest/gtest.h>

#include "adapterinfo/adapter_state.h"
#include "support/program_fixture.h"

namespace zlx::adapterinfo {
namespace {

using zlx::testing::ProgramFixture;

constexpr const char* kFirst = "11111111-1111-1111-1111-111111111111";
constexpr const char* kSecond = "22222222-2222-2222-2222-222222222222";

std::string twoAdapters(const std::string& first, const std::string& second) {
    return R"({"wlan": {"interfaces": [)" + first + "," + second + "]}}";
}
std::string adapter(const char* guid, const std::string& description,
                    const std::string& vendorText) {
    return R"({"guid": ")" + std::string(guid) + R"(", "description": ")" + description +
           R"(", "driver": {"vendorDescription": ")" + vendorText + R"("}})";
}

TEST(AdapterStateTest, SelectionAtStartAndDiagnosticsPageSelection) {
    // An interface and its description, selected together.
    struct Selected {
        std::string interface;
        std::string description;
    };
    struct Case {
        std::string name;
        std::string scenario;
        Selected atStart;      // after the selection at start
        Selected diagnostics;  // after the Diagnostics page's selection
    };
    const Case cases[] = {
        {"vendor first",
         twoAdapters(adapter(kFirst, "Norvane A", "Norvane driver"),
                     adapter(kSecond, "Other B", "Other driver")),
         {kFirst, "Norvane A"},
         {kFirst, "Norvane A"}},
        {"vendor second",
         twoAdapters(adapter(kFirst, "Other A", "Other driver"),
                     adapter(kSecond, "Norvane B", "Norvane driver")),
         {kSecond, "Norvane B"},
         {kSecond, "Norvane B"}},
        {"only the description names the vendor: no driver answers, the selection stays",
         twoAdapters(adapter(kFirst, "Norvane A", "Other driver"),
                     adapter(kSecond, "Other B", "Other driver")),
         {kFirst, "Norvane A"},
         {kFirst, "Norvane A"}},
        {"the driver answers for the second, the description names the first",
         twoAdapters(adapter(kFirst, "Norvane A", "Other driver"),
                     adapter(kSecond, "Other B", "Norvane driver")),
         {kFirst, "Norvane A"},
         {kSecond, "Other B"}},
        {"no vendor: the last interface",
         twoAdapters(adapter(kFirst, "Other A", "x"), adapter(kSecond, "Other B", "y")),
         {kSecond, "Other B"},
         {kSecond, "Other B"}},
        {"no interfaces", R"({"wlan": {"interfaces": []}})", {"", ""}, {"", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFixture f(c.scenario);
        AdapterStateContext state = f.program().application().adapterState();
        const context::WlanSelection& selection = f.context().selection;
        auto expectSelected = [&](const Selected& expected) {
            EXPECT_EQ(selection.selectedInterfaceText, expected.interface);
            platform::Guid guid;  // all zero while nothing is selected
            if (!expected.interface.empty()) {
                ASSERT_TRUE(platform::parseGuid(expected.interface, guid));
            }
            EXPECT_EQ(selection.selectedInterface, guid);
            EXPECT_EQ(selection.selectedAdapterDescription, expected.description);
        };
        selectAdapterAtStart(state);
        expectSelected(c.atStart);
        EXPECT_EQ(state.records.adapter.details.requestedName, c.atStart.description);
        selectForDiagnosticsPage(state);
        expectSelected(c.diagnostics);
    }
}

TEST(AdapterStateTest, NotConnectedLinkHasItsDefinedValues) {
    ProgramFixture f(R"({"wlan": {"interfaces": [{"guid": "11111111-1111-1111-1111-111111111111",
        "description": "Norvane", "state": "disconnected", "driver": {"vendorDescription": "Norvane"}}]}})");
    AdapterStateContext state = f.program().application().adapterState();
    selectAdapterAtStart(state);
    state.records.linkStatus.ssid.fill('x');
    state.records.linkStatus.authClass = 7;
    state.records.linkStatus.cipherClass = 3;
    state.records.linkStatus.securityEnabled = 1;
    refreshLinkStatus(state);
    const wlan::LinkStatus& link = state.records.linkStatus;
    EXPECT_EQ(link.ssid, (std::array<std::uint8_t, 32>{}));
    EXPECT_EQ(link.networkType, 2u);
    EXPECT_EQ(link.authClass, 1u);
    EXPECT_EQ(link.cipherClass, 0u);
    EXPECT_EQ(link.securityEnabled, 1u) << "security enabled keeps its value";
}

TEST(AdapterStateTest, InterfaceStatisticsSums) {
    struct Case {
        std::string name;
        platform::WlanStatistics answer;
        std::uint64_t transmitted, retried, dropped, noAck, duplicate;
    };
    const Case cases[] = {
        {"no 32-bit wrap", {0xFFFFFFF0, 9, 0x20, 0, {{1, 2, 3, 4}}}, 0x100000010, 2, 1, 3, 4},
        {"PHYs summed", {1, 0, 1, 0, {{1, 2, 3, 4}, {10, 20, 30, 40}}}, 2, 22, 11, 33, 44},
        {"no PHYs: the previous sums and the private retry counter stay",
         {5, 0, 0, 0, {}},
         5,
         431,
         7,
         8,
         9},
        {"64-bit sum", {0xFFFFFFFFFFFFFFFF, 0, 0, 0, {}}, 0xFFFFFFFFFFFFFFFF, 431, 7, 8, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        wlan::LinkStatistics s;
        s.privateCounters.framesRetried = 431;
        s.droppedFrames = 7;
        s.noAckFrames = 8;
        s.duplicateFrames = 9;
        applyInterfaceStatistics(c.answer, s);
        EXPECT_EQ(s.framesTransmitted, c.transmitted);
        EXPECT_EQ(s.framesReceived, c.answer.unicastReceived);
        EXPECT_EQ(s.privateCounters.framesRetried, c.retried);
        EXPECT_EQ(s.droppedFrames, c.dropped);
        EXPECT_EQ(s.noAckFrames, c.noAck);
        EXPECT_EQ(s.duplicateFrames, c.duplicate);
    }
}

TEST(AdapterStateTest, DisplayBlockSlots) {
    wlan::LinkStatistics s;
    s.framesTransmitted = 1;
    s.privateCounters.framesRetried = 2;
    s.droppedFrames = 3;
    s.framesReceived = 4;
    s.duplicateFrames = 5;
    s.privateCounters.standardMicOk = 6;
    s.privateCounters.apMismatches = 7;
    StatisticsDisplayBlock b = displayBlockOf(s);
    const std::pair<std::size_t, std::uint64_t> slots[] = {{0, 1},  {6, 2},  {7, 3}, {13, 4},
                                                           {20, 5}, {33, 6}, {26, 7}};
    for (auto [slot, value] : slots) EXPECT_EQ(b[slot], value) << slot;
    for (std::size_t never : {1, 2, 3, 4, 5, 9, 14, 15, 16, 17}) EXPECT_EQ(b[never], 0u);
}

}  // namespace
}  // namespace zlx::adapterinfo

namespace zlx::adapterinfo {
namespace {

// 150 accented characters are 300 bytes: a cut at 255 bytes would split a character and no
// device would match the description any more.
TEST(AdapterStateTest, LongAccentedDescriptionKeepsItsDetails) {
    std::string name = "Norvane ";
    for (int i = 0; i < 150; ++i) name += "\xC3\xA9";
    std::string json(sim::defaultScenarioText());
    const std::string original = "Norvane ZLX 802.11n Wireless Adapter";
    for (auto at = json.find(original); at != std::string::npos; at = json.find(original, at))
        json.replace(at, original.size(), name);
    ProgramFixture f(json);
    AdapterStateContext state = f.program().application().adapterState();
    selectAdapterAtStart(state);
    EXPECT_EQ(f.context().selection.selectedAdapterDescription, name);
    EXPECT_EQ(state.records.adapter.details.macAddress, "00-21-6A-4B-7C-11");
    EXPECT_EQ(state.records.adapter.details.driverPath,
              "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys");
}

}  // namespace
}  // namespace zlx::adapterinfo
