#include <gtest/gtest.h>

#include "adapterinfo/adapter_details.h"
#include "details_fixture.h"

namespace zlx::adapterinfo {
namespace {

using testing::DetailsFixture;

struct SnapshotCase {
    const char* scenario;
    const char* profileName;
    const char* macAddress;
    const char* ipAddress;
    const char* driverPath;
    const char* driverInstance;
    const char* driverFileVersion;
    const char* driverFileDate;
    std::uint32_t radioOn;
};

void PrintTo(const SnapshotCase& c, std::ostream* os) {
    *os << c.scenario;
}

constexpr const char* kDate = "18 Mar 2025 09:41:26";
constexpr const char* kMac = "00-21-6A-4B-7C-11";
constexpr const char* kIp = "192.168.10.57";
constexpr const char* kDriver = "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys";
constexpr const char* kXpDriver = "C:\\WINDOWS\\system32\\DRIVERS\\nvzlx.sys";
constexpr const char* kUsbDriver = "C:\\Windows\\system32\\DRIVERS\\nvzlxu64.sys";

class SnapshotTest : public ::testing::TestWithParam<SnapshotCase> {};

TEST_P(SnapshotTest, GathersWhatTheMachineHas) {
    const SnapshotCase& c = GetParam();
    auto f = DetailsFixture::shipped(c.scenario);
    AdapterDetails d = f.build();
    EXPECT_EQ(d.status, 0u);
    EXPECT_EQ(d.profileName, c.profileName);
    EXPECT_EQ(d.macAddress, c.macAddress);
    EXPECT_EQ(d.ipAddress, c.ipAddress);
    EXPECT_EQ(d.adapterName, f.selection.selectedAdapterDescription);
    EXPECT_EQ(d.requestedName, f.selection.selectedAdapterDescription);
    EXPECT_EQ(d.driverPath, c.driverPath);
    EXPECT_EQ(d.driverInstance, c.driverInstance);
    EXPECT_EQ(d.driverFileVersion, c.driverFileVersion);
    EXPECT_EQ(d.driverFileDate, c.driverFileDate);
    EXPECT_EQ(d.serialNumber, "");
    EXPECT_EQ(d.hasAdapterName, 1u);
    EXPECT_EQ(d.radioOn, c.radioOn);
    EXPECT_EQ(f.machine().openRegistryKeys(), 0u);
    EXPECT_EQ(f.machine().openWlanHandles(), 1u);  // the snapshot's own
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, SnapshotTest,
    ::testing::Values(
        SnapshotCase{"default.json", "ZLX Office", kMac, kIp, kDriver, "0007", "3.2.0.117", kDate,
                     1},
        SnapshotCase{"xp-sp1.json", "ZLX Office", "00-03-7F-0A-1B-2C", kIp, kXpDriver, "0007",
                     "2.0.5.1234", kDate, 1},
        SnapshotCase{"xp-sp2.json", "ZLX Office", kMac, "", kXpDriver, "0007", "2.0.5.1234", kDate,
                     1},
        SnapshotCase{"xp-x64.json", "ZLX Office", kMac, "",
                     "C:\\WINDOWS\\System32\\DRIVERS\\nvzlx64.sys", "0007", "2.0.5.1234", kDate, 1},
        SnapshotCase{"unknown-windows-version.json", "ZLX Office", kMac, kIp, kXpDriver, "0007",
                     "2.0.5.1234", kDate, 1},
        SnapshotCase{"usb-adapter-hash-ids.json", "ZLX Office", kMac, kIp, kUsbDriver, "0011",
                     "3.2.0.117", kDate, 1},
        SnapshotCase{"usbvidpid-lower-case.json", "ZLX Office", kMac, kIp, kUsbDriver, "0011",
                     "3.2.0.117", kDate, 1},
        SnapshotCase{"excluded-subsystem.json", "ZLX Office", kMac, "", "", "", "", "", 1},
        SnapshotCase{"same-name-adapters.json", "ZLX Office", kMac, kIp, kDriver, "0007",
                     "3.2.0.117", kDate, 1},
        SnapshotCase{"no-friendly-name.json", "ZLX Office", kMac, kIp, kDriver, "0007", "3.2.0.117",
                     kDate, 1},
        SnapshotCase{"empty-service.json", "ZLX Office", kMac, kIp, "", "0007", "", "", 1},
        SnapshotCase{"systemroot-image-path.json", "ZLX Office", kMac, kIp, kDriver, "0007",
                     "3.2.0.117", kDate, 1},
        SnapshotCase{"nic-mutex-held.json", "ZLX Office", kMac, kIp, kDriver, "0007", "3.2.0.117",
                     kDate, 1},
        SnapshotCase{"short-physical-address.json", "ZLX Office", "", kIp, kDriver, "0007",
                     "3.2.0.117", kDate, 1},
        SnapshotCase{"autoconfig-address.json", "ZLX Office", kMac, "169.254.37.12", kDriver,
                     "0007", "3.2.0.117", kDate, 1},
        SnapshotCase{"ip-tables-refuse-size.json", "ZLX Office", "", "", kDriver, "0007",
                     "3.2.0.117", kDate, 1},
        SnapshotCase{"radio-off-hardware.json", "", kMac, "0.0.0.0", kDriver, "0007", "3.2.0.117",
                     kDate, 0},
        SnapshotCase{"not-associated.json", "", kMac, "0.0.0.0", kDriver, "0007", "3.2.0.117",
                     kDate, 1},
        SnapshotCase{"driver-file-missing.json", "ZLX Office", kMac, kIp, kDriver, "0007", "", "",
                     1}),
    [](const auto& info) {
        std::string name = info.param.scenario;
        name = name.substr(0, name.find('.'));
        std::erase(name, '-');
        return name;
    });

TEST(Snapshot, NoSelectedAdapterGathersNothingButTheProfile) {
    auto f = DetailsFixture::shipped("default.json");
    f.selection.selectedAdapterDescription.clear();
    AdapterDetails d = f.build("Norvane ZLX 802.11n Wireless Adapter");
    EXPECT_EQ(d.profileName, "ZLX Office");
    EXPECT_EQ(d.requestedName, "Norvane ZLX 802.11n Wireless Adapter");
    for (const std::string* text :
         {&d.macAddress, &d.adapterName, &d.driverPath, &d.driverInstance, &d.driverFileVersion,
          &d.driverFileDate, &d.driverFileLastWrite, &d.ipAddress, &d.serialNumber})
        EXPECT_EQ(*text, "");
    EXPECT_EQ(f.machine().calls().count("SetupDiGetClassDevs"), 0u);
    EXPECT_EQ(f.machine().calls().count("GetAdaptersInfo"), 0u);
}

TEST(Snapshot, AnEmptyRequestedNameAsksNoRadio) {
    auto f = DetailsFixture::shipped("default.json");
    AdapterDetails d = f.build("");
    EXPECT_EQ(d.hasAdapterName, 0u);
    EXPECT_EQ(d.radioOn, 0u);
    EXPECT_EQ(d.requestedName, "");
    EXPECT_EQ(d.adapterName, "Norvane ZLX 802.11n Wireless Adapter");
    EXPECT_EQ(d.driverFileVersion, "3.2.0.117");
    for (const std::string& call : f.calls())
        EXPECT_EQ(call.find("opcode=0x4)"), std::string::npos) << call;
}

TEST(Snapshot, TheRequestedNameDoesNotChooseTheAdapter) {
    auto f = DetailsFixture::shipped("default.json");
    AdapterDetails d = f.build("Some Other Adapter");
    EXPECT_EQ(d.requestedName, "Some Other Adapter");
    EXPECT_EQ(d.adapterName, "Norvane ZLX 802.11n Wireless Adapter");
    EXPECT_EQ(d.driverInstance, "0007");
    EXPECT_EQ(d.hasAdapterName, 1u);
}

struct RadioCase {
    const char* radio;
    std::uint32_t on;
};

class RadioTest : public ::testing::TestWithParam<RadioCase> {};

TEST_P(RadioTest, OnOnlyWhenAPhyIsOnInSoftwareAndHardware) {
    auto f = DetailsFixture::fromJson(
        std::string(R"({"wlan": {"interfaces": [{"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c",
        "description": "Norvane ZLX", "radio": )") +
        GetParam().radio + "}]}}");
    AdapterDetails d = f.build();
    EXPECT_EQ(d.radioOn, GetParam().on) << GetParam().radio;
    EXPECT_EQ(d.status, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    PhyStates, RadioTest,
    ::testing::Values(RadioCase{R"([{"phyIndex": 0, "software": "on", "hardware": "on"}])", 1},
                      RadioCase{R"([{"phyIndex": 0, "software": "on", "hardware": "off"}])", 0},
                      RadioCase{R"([{"phyIndex": 0, "software": "off", "hardware": "on"}])", 0},
                      RadioCase{R"([{"phyIndex": 0, "software": "unknown", "hardware": "on"}])", 0},
                      RadioCase{R"([])", 0},
                      RadioCase{R"([{"phyIndex": 0, "software": "on", "hardware": "off"},
                      {"phyIndex": 1, "software": "off", "hardware": "on"}])",
                                0},
                      RadioCase{R"([{"phyIndex": 0, "software": "off", "hardware": "off"},
                      {"phyIndex": 1, "software": "on", "hardware": "on"}])",
                                1}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(Snapshot, AFailedRadioQueryLeavesItsResultInStatus) {
    auto f = DetailsFixture::fromJson(R"({"wlan": {"interfaces": [{
        "guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c", "description": "Norvane ZLX",
        "queryFailures": [{"opcode": 4, "result": 1168}]}]}})");
    AdapterDetails d = f.build();
    EXPECT_EQ(d.status, 1168u);
    EXPECT_EQ(d.radioOn, 0u);
    EXPECT_EQ(f.machine().openWlanHandles(), 1u);
}

TEST(Snapshot, AWirelessServiceThatIsNotRunningStillGivesTheOtherFacts) {
    auto scenario = sim::loadScenarioFile(testing::scenarioPath("default.json"));
    scenario.wlan.openResult = platform::kErrorServiceNotActive;
    scenario.wlan.handleOnFailedOpen = true;
    DetailsFixture f(scenario);
    AdapterDetails d = f.build();
    EXPECT_EQ(d.status, platform::kErrorServiceNotActive);
    EXPECT_EQ(d.radioOn, 0u);
    EXPECT_EQ(d.profileName, "");
    EXPECT_EQ(d.macAddress, kMac);
    EXPECT_EQ(d.driverFileVersion, "3.2.0.117");
    EXPECT_EQ(f.machine().openWlanHandles(), 0u);
}

TEST(Snapshot, OnlyOneOwnerEverClosesTheHandle) {
    auto f = DetailsFixture::shipped("default.json");
    {
        AdapterDetails first = f.build();
        AdapterDetails copy = first.copyValues();
        EXPECT_EQ(copy.client, nullptr);
        EXPECT_EQ(copy.driverFileDate, first.driverFileDate);
        EXPECT_EQ(copy.driverFileLastWrite, first.driverFileLastWrite);
        EXPECT_EQ(copy.radioOn, 1u);
        AdapterDetails taken = std::move(first);
        EXPECT_EQ(f.machine().openWlanHandles(), 1u);
        taken = f.build();  // the fresh snapshot's handle replaces the old one, which closes
        EXPECT_EQ(f.machine().openWlanHandles(), 1u);
        EXPECT_EQ(driverInstanceOf(taken), "0007");
    }
    EXPECT_EQ(f.machine().openWlanHandles(), 0u);
}

}  // namespace
}  // namespace zlx::adapterinfo
