#include "wlan/interfaces.h"

#include <gtest/gtest.h>

#include "sim_fixture.h"

namespace zlx::wlan {
namespace {

using zlx::testing::SimFixture;

const char* kThree = R"({"wlan": {"interfaces": [
  {"guid": "11111111-2222-3333-4444-555555555555", "description": "First", "state": "disconnected"},
  {"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c", "description": "Norvane ZLX", "state": "connected",
   "guidTextFails": true},
  {"guid": "aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee", "description": "Third", "state": "connected",
   "connection": {"profileName": "ZLX Office", "ssid": "ZLX-Office", "securityEnabled": true,
                  "authAlgorithm": "rsna", "cipherAlgorithm": "ccmp"}}
]}})";

TEST(InterfaceListTest, InterfaceWithoutGuidTextIsLeftOutOfAllSequences) {
    SimFixture sim(kThree);
    InterfaceList list(sim.machine->wlan(), sim.machine->rpc());
    EXPECT_EQ(list.result(), 0u);
    EXPECT_EQ(list.guidTexts(), (std::vector<std::string>{"11111111-2222-3333-4444-555555555555",
                                                          "aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee"}));
    EXPECT_EQ(list.descriptions(), (std::vector<std::string>{"First", "Third"}));
    EXPECT_EQ(list.states(), (std::vector<std::uint32_t>{4, 1}));
}

TEST(InterfaceListTest, DescriptionsAreCutByCharactersNotBytes) {
    std::string accented;
    for (int i = 0; i < 300; ++i) accented += "\xC3\xA9";  // 300 characters, 600 bytes
    SimFixture sim(R"({"wlan": {"interfaces": [
      {"guid": "11111111-2222-3333-4444-555555555555", "description": ")" +
                   accented.substr(0, 400) + R"("},
      {"guid": "aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee", "description": ")" +
                   accented + R"("}]}})");
    InterfaceList list(sim.machine->wlan(), sim.machine->rpc());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.descriptions()[0], accented.substr(0, 400)) << "200 characters fit whole";
    EXPECT_EQ(list.descriptions()[1], accented.substr(0, 2 * kMaxNameUnits));
}

TEST(InterfaceListTest, HandleLivesWithTheList) {
    SimFixture sim(kThree);
    {
        InterfaceList list(sim.machine->wlan(), sim.machine->rpc());
        EXPECT_EQ(sim.machine->openWlanHandles(), 1u);
    }
    EXPECT_EQ(sim.machine->openWlanHandles(), 0u);
}

TEST(SelectInterfaceTest, ExactCaseSensitiveMatchOnly) {
    SimFixture sim(kThree);
    struct Case {
        std::string text;
        int result;
    };
    const Case cases[] = {
        {"AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE", -1},
        {"{aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee}", -1},
        {"3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c", -1},  // not listed: no text form
        {"", -1},
        {"aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee", 0},
    };
    for (const Case& c : cases) {
        context::WlanSelection selection;
        EXPECT_EQ(selectInterface(selection, sim.machine->wlan(), sim.machine->rpc(), c.text),
                  c.result)
            << c.text;
        EXPECT_EQ(selection.selectedInterface.isZero(), c.result != 0) << c.text;
    }
}

TEST(ConnectionSnapshotTest, ConnectedInterfaceGivesItsAttributes) {
    SimFixture sim(kThree);
    platform::Guid third;
    platform::parseGuid("aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee", third);
    ConnectionSnapshot snapshot(sim.machine->wlan(), third);
    EXPECT_EQ(snapshot.result, 0u);
    EXPECT_EQ(snapshot.profileName, "ZLX Office");
    EXPECT_EQ(snapshot.securityEnabled, 1u);
    EXPECT_EQ(snapshot.cipherAlgorithm, 4u);
    EXPECT_EQ(snapshot.associationAttributes[0], 10);  // SSID length
    EXPECT_EQ(sim.machine->openWlanHandles(), 1u);     // the snapshot's own, until closed
    snapshot.close();
    EXPECT_EQ(sim.machine->openWlanHandles(), 0u);
}

TEST(ConnectionSnapshotTest, NotConnectedInterfaceHasANonZeroResult) {
    SimFixture sim(kThree);
    platform::Guid first;
    platform::parseGuid("11111111-2222-3333-4444-555555555555", first);
    ConnectionSnapshot snapshot(sim.machine->wlan(), first);
    EXPECT_NE(snapshot.result, 0u);
    EXPECT_TRUE(snapshot.profileName.empty());
}

}  // namespace
}  // namespace zlx::wlan
