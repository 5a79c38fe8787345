#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim/driver_requests.h"
#include "sim/sim_machine.h"
#include "test_support.h"

namespace zlx::sim {
namespace {

using testing::driverRequest;
using ::testing::ElementsAre;
using testing::guidOf;
using testing::scenarioFrom;
using testing::serviceMessage;

const Guid kVendor = guidOf("3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c");
const Guid kOther = guidOf("9d41c0b2-5e77-4a1f-8c3d-6b2e1f0a9e47");
const Guid kUnknown = guidOf("00000000-0000-0000-0000-000000000001");

constexpr const char* kTwoInterfaces = R"({
  "wlan": {"interfaces": [
    {"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c",
     "description": "Norvane ZLX 802.11n Wireless Adapter",
     "connection": {"profileName": "ZLX Office", "ssid": "ZLX-Office", "bssType": "infrastructure",
                    "bssid": "00-1B-2C-3D-4E-5F", "phyType": "ht", "signalQuality": 88,
                    "rxRate": 144000, "txRate": 130000, "securityEnabled": true,
                    "oneXEnabled": false, "authAlgorithm": "rsna_psk", "cipherAlgorithm": "ccmp",
                    "rssi": -61},
     "profiles": [{"name": "ZLX Office", "xml": "<WLANProfile/>"}, {"name": "Home", "flags": 2}],
     "radio": [{"phyIndex": 0, "software": "on", "hardware": "off"}],
     "driver": {"vendorDescription": "Norvane", "txRate": 54}},
    {"guid": "9d41c0b2-5e77-4a1f-8c3d-6b2e1f0a9e47", "description": "Contoso Wireless",
     "state": 7, "profileListResult": 1062,
     "queryFailures": [{"opcode": 4, "result": "0x13BF"}]}
  ]}
})";

class SimWlanTest : public ::testing::Test {
  protected:
    explicit SimWlanTest(const char* json = kTwoInterfaces)
        : machine_(scenarioFrom(json), clock_), wlan_(machine_.wlan()) {}

    WlanHandle open() {
        WlanHandle handle = 0;
        std::uint32_t negotiated = 0;
        EXPECT_EQ(wlan_.openHandle(2, negotiated, handle), kErrorSuccess);
        return handle;
    }

    ManualClock clock_;
    SimMachine machine_;
    WlanApi& wlan_;
};

TEST_F(SimWlanTest, HandlesAreCountedUntilClosed) {
    WlanHandle a = open();
    WlanHandle b = open();
    EXPECT_NE(a, b);
    EXPECT_EQ(machine_.openWlanHandles(), 2u);
    EXPECT_EQ(wlan_.closeHandle(a), kErrorSuccess);
    EXPECT_EQ(wlan_.closeHandle(a), kErrorInvalidHandle);
    EXPECT_EQ(machine_.openWlanHandles(), 1u);
    EXPECT_THAT(machine_.calls().all(),
                ElementsAre("WlanOpenHandle(version=2) -> 0 handle=1 negotiated=2",
                            "WlanOpenHandle(version=2) -> 0 handle=2 negotiated=2",
                            "WlanCloseHandle(handle=1) -> 0", "WlanCloseHandle(handle=1) -> 6"));
}

TEST(SimWlanOpen, FailingOpenMayStillHandBackAHandle) {
    ManualClock clock;
    SimMachine machine(
        scenarioFrom(R"({"wlan": {"openResult": 1062, "handleOnFailedOpen": true}})"), clock);
    WlanHandle handle = 0;
    std::uint32_t negotiated = 77;
    EXPECT_EQ(machine.wlan().openHandle(2, negotiated, handle), kErrorServiceNotActive);
    EXPECT_NE(handle, kNoWlanHandle);
    EXPECT_EQ(negotiated, 77u);
    EXPECT_EQ(machine.openWlanHandles(), 1u);
    EXPECT_EQ(machine.calls().all().back(), "WlanOpenHandle(version=2) -> 1062 handle=1");
}

TEST(SimWlanOpen, FailingOpenWithoutHandle) {
    ManualClock clock;
    SimMachine machine(scenarioFrom(R"({"wlan": {"openResult": 1062, "negotiatedVersion": 1}})"),
                       clock);
    WlanHandle handle = 5;
    std::uint32_t negotiated = 0;
    EXPECT_EQ(machine.wlan().openHandle(2, negotiated, handle), kErrorServiceNotActive);
    EXPECT_EQ(handle, kNoWlanHandle);
    EXPECT_EQ(machine.openWlanHandles(), 0u);
}

TEST(SimWlanOpen, TheServiceStoppedOrAbsentRefusesEveryClient) {
    const std::pair<const char*, Win32Error> cases[] = {
        {R"({"wlan": {"service": "running"}})", kErrorSuccess},
        {R"({"wlan": {"service": "stopped"}})", kErrorServiceNotActive},
        {R"({"wlan": {"service": "absent"}})", kErrorModNotFound},
        {R"({"wlan": {"callResults": {"WlanOpenHandle": 5}}})", kErrorAccessDenied}};
    for (const auto& [json, expected] : cases) {
        ManualClock clock;
        SimMachine machine(scenarioFrom(json), clock);
        WlanHandle handle = 0;
        std::uint32_t negotiated = 0;
        EXPECT_EQ(machine.wlan().openHandle(2, negotiated, handle), expected) << json;
        EXPECT_EQ(handle != kNoWlanHandle, expected == kErrorSuccess) << json;
    }
}

class SimWlanRefusingTest : public SimWlanTest {
  protected:
    static std::string refusing() {
        std::string json = kTwoInterfaces;
        json.insert(json.find("\"interfaces\""),
                    R"("callResults": {"WlanIhvControl": 5, "WlanGetProfile": 5,
                       "WlanSetSecuritySettings": 5, "WlanQueryInterface": 1062}, )");
        return json;
    }
    SimWlanRefusingTest() : SimWlanTest(json_.c_str()) {}
    static inline const std::string json_ = refusing();
};

TEST_F(SimWlanRefusingTest, NamedCallsAnswerWithTheScenariosResult) {
    WlanHandle h = open();
    std::vector<std::uint8_t> answer(64), data;
    std::uint32_t returned = 0, type = 0;
    EXPECT_EQ(wlan_.ihvControl(h, kVendor, kWlanIhvControlDriver, driverRequest(0xFF000009, 36, 0),
                               answer, returned),
              kErrorAccessDenied);
    EXPECT_EQ(returned, 0u);
    std::string xml;
    EXPECT_EQ(wlan_.getProfile(h, kVendor, "ZLX Office", xml), kErrorAccessDenied);
    EXPECT_EQ(xml, "");
    EXPECT_EQ(wlan_.setSecuritySettings(h, kWlanSecureIhvControl, "D:"), kErrorAccessDenied);
    EXPECT_EQ(wlan_.queryInterface(h, kVendor, kWlanOpcodeRadioState, data, type),
              kErrorServiceNotActive);
    std::vector<WlanProfileInfo> profiles;
    EXPECT_EQ(wlan_.getProfileList(h, kVendor, profiles), kErrorSuccess) << "not named";
    EXPECT_EQ(wlan_.ihvControl(h + 100, kVendor, kWlanIhvControlDriver,
                               driverRequest(0xFF000009, 36, 0), answer, returned),
              kErrorInvalidHandle)
        << "a closed handle is still refused as such";
}

TEST_F(SimWlanTest, EnumeratesInterfacesInScenarioOrder) {
    std::vector<WlanInterfaceInfo> interfaces;
    ASSERT_EQ(wlan_.enumInterfaces(open(), interfaces), kErrorSuccess);
    ASSERT_EQ(interfaces.size(), 2u);
    EXPECT_EQ(interfaces[0].guid, kVendor);
    EXPECT_EQ(interfaces[0].description, "Norvane ZLX 802.11n Wireless Adapter");
    EXPECT_EQ(interfaces[0].state, kWlanStateConnected) << "a connection implies connected";
    EXPECT_EQ(interfaces[1].state, kWlanStateAuthenticating);
    EXPECT_EQ(wlan_.enumInterfaces(42, interfaces), kErrorInvalidHandle);
    EXPECT_TRUE(interfaces.empty());
}

// One answer serves every enumeration until the interfaces change; then the next one tells the
// change.
TEST(SimWlanEnum, AnEnumerationIsSharedUntilTheInterfacesChange) {
    ManualClock clock;
    CallLog log;
    SimWlan wlan(scenarioFrom(kTwoInterfaces).wlan, clock, log);
    WlanHandle handle = 0;
    std::uint32_t negotiated = 0;
    ASSERT_EQ(wlan.openHandle(2, negotiated, handle), kErrorSuccess);
    std::shared_ptr<const WlanInterfaceSet> first, second, changed;
    ASSERT_EQ(wlan.enumInterfaceSet(handle, first), kErrorSuccess);
    ASSERT_EQ(wlan.enumInterfaceSet(handle, second), kErrorSuccess);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->find(kVendor), 0u);
    EXPECT_EQ(first->find(Guid{}), std::nullopt);
    ASSERT_TRUE(
        wlan.updateInterface(kVendor, [](InterfaceScenario& i) { i.description = "Renamed"; }));
    ASSERT_EQ(wlan.enumInterfaceSet(handle, changed), kErrorSuccess);
    EXPECT_EQ(changed->interfaces().at(0).description, "Renamed");
    EXPECT_EQ(first->interfaces().at(0).description, "Norvane ZLX 802.11n Wireless Adapter")
        << "an answer never changes";
    EXPECT_EQ(wlan.enumInterfaceSet(42, changed), kErrorInvalidHandle);
    EXPECT_TRUE(changed->interfaces().empty());
}

TEST_F(SimWlanTest, CurrentConnectionCarriesTheInterfaceState) {
    std::vector<std::uint8_t> data;
    std::uint32_t valueType = 9;
    ASSERT_EQ(wlan_.queryInterface(open(), kVendor, kWlanOpcodeCurrentConnection, data, valueType),
              kErrorSuccess);
    auto c = decodeConnectionAttributes(data);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->state, kWlanStateConnected);
    EXPECT_EQ(c->profileName, "ZLX Office");
    EXPECT_EQ(std::string(c->association.ssid.begin(), c->association.ssid.end()), "ZLX-Office");
    EXPECT_EQ(c->association.phyType, 7u);
    EXPECT_EQ(c->association.txRate, 130000u);
    EXPECT_EQ(c->authAlgorithm, 7u);
    EXPECT_EQ(c->cipherAlgorithm, 4u);
    EXPECT_EQ(machine_.calls().all().back(),
              "WlanQueryInterface(handle=1, opcode=0x7) -> 0 size=604");
}

TEST_F(SimWlanTest, NoCurrentConnectionIsAnInvalidState) {
    std::vector<std::uint8_t> data{1, 2, 3};
    std::uint32_t valueType = 0;
    WlanHandle h = open();
    EXPECT_EQ(wlan_.queryInterface(h, kOther, kWlanOpcodeCurrentConnection, data, valueType),
              kErrorInvalidState);
    EXPECT_TRUE(data.empty());
    // A connected interface that drops its link loses the connection too.
    machine_.setInterfaceState(kVendor, kWlanStateDisconnected);
    EXPECT_EQ(wlan_.queryInterface(h, kVendor, kWlanOpcodeCurrentConnection, data, valueType),
              kErrorInvalidState);
    EXPECT_EQ(wlan_.queryInterface(h, kVendor, kWlanOpcodeRssi, data, valueType),
              kErrorInvalidState);
}

TEST(SimWlanConnection, IsReadWhileDisconnectingInTheStateItReports) {
    struct Case {
        std::string interfaceState, connection;
        Win32Error result;
        std::uint32_t reported;
    };
    const Case cases[] = {
        {"disconnecting", R"({"ssid": "Net"})", kErrorSuccess, kWlanStateDisconnecting},
        {"disconnecting", R"({"ssid": "Net", "state": "disconnected"})", kErrorSuccess,
         kWlanStateDisconnected},
        {"connected", R"({"ssid": "Net", "state": 3})", kErrorSuccess, kWlanStateDisconnecting},
        {"disconnected", R"({"ssid": "Net", "state": "connected"})", kErrorInvalidState, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interfaceState + " " + c.connection);
        ManualClock clock;
        SimMachine machine(
            scenarioFrom(
                R"({"wlan": {"interfaces": [{"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c",
                "state": ")" +
                c.interfaceState + R"(", "connection": )" + c.connection + "}]}}"),
            clock);
        WlanHandle h = 0;
        std::uint32_t negotiated = 0, valueType = 0;
        ASSERT_EQ(machine.wlan().openHandle(2, negotiated, h), kErrorSuccess);
        std::vector<std::uint8_t> data;
        ASSERT_EQ(machine.wlan().queryInterface(h, kVendor, kWlanOpcodeCurrentConnection, data,
                                                valueType),
                  c.result);
        if (c.result != kErrorSuccess) continue;
        auto attributes = decodeConnectionAttributes(data);
        ASSERT_TRUE(attributes);
        EXPECT_EQ(attributes->state, c.reported);
    }
}

TEST_F(SimWlanTest, InterfaceStateRadioAndRssi) {
    WlanHandle h = open();
    std::vector<std::uint8_t> data;
    std::uint32_t valueType = 0;
    ASSERT_EQ(wlan_.queryInterface(h, kOther, kWlanOpcodeInterfaceState, data, valueType),
              kErrorSuccess);
    EXPECT_EQ(data, (std::vector<std::uint8_t>{7, 0, 0, 0}));

    ASSERT_EQ(wlan_.queryInterface(h, kVendor, kWlanOpcodeRadioState, data, valueType),
              kErrorSuccess);
    EXPECT_EQ(decodeRadioState(data),
              (std::vector<WlanPhyRadioState>{{0, kDot11RadioStateOn, kDot11RadioStateOff}}));

    ASSERT_EQ(wlan_.queryInterface(h, kVendor, kWlanOpcodeRssi, data, valueType), kErrorSuccess);
    EXPECT_EQ(static_cast<std::int32_t>(loadLe<std::uint32_t>(data, 0)), -61);
}

TEST_F(SimWlanTest, QueryFailuresAndUnknownTargets) {
    WlanHandle h = open();
    std::vector<std::uint8_t> data;
    std::uint32_t valueType = 0;
    EXPECT_EQ(wlan_.queryInterface(h, kOther, kWlanOpcodeRadioState, data, valueType), 5055u);
    EXPECT_EQ(wlan_.queryInterface(h, kVendor, 0x1FFFFFFF, data, valueType), kErrorNotSupported);
    EXPECT_EQ(wlan_.queryInterface(h, kUnknown, kWlanOpcodeInterfaceState, data, valueType),
              kErrorInvalidParameter);
    EXPECT_EQ(wlan_.queryInterface(77, kVendor, kWlanOpcodeInterfaceState, data, valueType),
              kErrorInvalidHandle);
}

TEST_F(SimWlanTest, ProfileListAndProfileXml) {
    WlanHandle h = open();
    std::vector<WlanProfileInfo> profiles;
    ASSERT_EQ(wlan_.getProfileList(h, kVendor, profiles), kErrorSuccess);
    ASSERT_EQ(profiles.size(), 2u);
    EXPECT_EQ(profiles[1].name, "Home");
    EXPECT_EQ(profiles[1].flags, 2u);
    EXPECT_EQ(wlan_.getProfileList(h, kOther, profiles), kErrorServiceNotActive);
    EXPECT_TRUE(profiles.empty());

    std::string xml;
    EXPECT_EQ(wlan_.getProfile(h, kVendor, "ZLX Office", xml), kErrorSuccess);
    EXPECT_EQ(xml, "<WLANProfile/>");
    EXPECT_EQ(wlan_.getProfile(h, kVendor, "zlx office", xml), kErrorNotFound);
    EXPECT_EQ(wlan_.getProfile(h, kUnknown, "ZLX Office", xml), kErrorInvalidParameter);
}

TEST_F(SimWlanTest, DriverRequestIsAnsweredAndRecorded) {
    WlanHandle h = open();
    auto request = driverRequest(kReqTxRate, 36, 36);
    std::vector<std::uint8_t> answer(36);
    std::uint32_t returned = 0;
    ASSERT_EQ(wlan_.ihvControl(h, kVendor, kWlanIhvControlDriver, request, answer, returned),
              kErrorSuccess);
    EXPECT_EQ(returned, 36u);
    EXPECT_EQ(answer[32], 54);
    EXPECT_EQ(machine_.calls().all().back(),
              "WlanIhvControl(handle=1, type=1, in=36, out=36, code=0xFF000009) -> 0 returned=36");
    auto sent = machine_.ihvRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].request, request);
    EXPECT_EQ(sent[0].interfaceGuid, kVendor);
}

TEST_F(SimWlanTest, DriverRequestToUnknownInterfaceOrClosedHandle) {
    WlanHandle h = open();
    auto request = driverRequest(kReqTxRate, 36, 36);
    std::vector<std::uint8_t> answer(36);
    std::uint32_t returned = 5;
    EXPECT_EQ(wlan_.ihvControl(h, kUnknown, kWlanIhvControlDriver, request, answer, returned),
              kErrorInvalidParameter);
    EXPECT_EQ(returned, 0u);
    wlan_.closeHandle(h);
    EXPECT_EQ(wlan_.ihvControl(h, kVendor, kWlanIhvControlDriver, request, answer, returned),
              kErrorInvalidHandle);
    EXPECT_EQ(wlan_.ihvControl(open(), kVendor, 5, request, answer, returned),
              kErrorInvalidParameter);
}

TEST_F(SimWlanTest, DriverAnswersFollowRunTimeChanges) {
    DriverScenario driver;
    driver.txRate = 11;
    ASSERT_TRUE(machine_.setDriver(kVendor, driver));
    EXPECT_FALSE(machine_.setDriver(kUnknown, driver));
    auto request = driverRequest(kReqTxRate, 36, 36);
    std::vector<std::uint8_t> answer(36);
    std::uint32_t returned = 0;
    wlan_.ihvControl(open(), kVendor, kWlanIhvControlDriver, request, answer, returned);
    EXPECT_EQ(answer[32], 11);
}

TEST_F(SimWlanTest, ServiceControlMessagesAreRecordedWithOperationAndProfile) {
    WlanHandle h = open();
    auto enter = serviceMessage(0, "ZLX Office");
    std::vector<std::uint8_t> answer(37, 0xEE);
    std::uint32_t returned = 7;
    EXPECT_EQ(wlan_.ihvControl(h, kVendor, kWlanIhvControlService, enter, answer, returned),
              kErrorSuccess);
    EXPECT_EQ(returned, 0u);
    EXPECT_EQ(answer[0], 0xEE);
    auto leave = serviceMessage(1);
    EXPECT_EQ(wlan_.ihvControl(h, kVendor, kWlanIhvControlService, leave, {}, returned),
              kErrorSuccess);
    auto odd = serviceMessage(4);
    EXPECT_EQ(wlan_.ihvControl(h, kVendor, kWlanIhvControlService, odd, {}, returned),
              kErrorInvalidParameter);
    auto lines = machine_.calls().all();
    EXPECT_THAT(std::vector<std::string>(lines.end() - 3, lines.end()),
                ElementsAre("WlanIhvControl(handle=1, type=0, in=264, out=37, op=enter, "
                            "profile=\"ZLX Office\") -> 0 returned=0",
                            "WlanIhvControl(handle=1, type=0, in=264, out=0, op=leave) -> 0 "
                            "returned=0",
                            "WlanIhvControl(handle=1, type=0, in=264, out=0, op=4) -> 87 "
                            "returned=0"));
}

TEST(ServiceControlMessage, DecodesTheProfileNameUpToItsNul) {
    auto message = serviceMessage(0, std::string(127, 'p'));
    auto decoded = decodeServiceControl(message);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->oui, (std::array<std::uint8_t, 3>{0x00, 0x40, 0x96}));
    EXPECT_EQ(decoded->marker, 1);
    EXPECT_EQ(decoded->operation, 0u);
    EXPECT_EQ(decoded->profileName, std::string(127, 'p'));
    EXPECT_FALSE(decodeServiceControl(std::vector<std::uint8_t>(7)));
}

TEST_F(SimWlanTest, SecuritySettingsAreAcceptedAndRecorded) {
    WlanHandle h = open();
    EXPECT_EQ(wlan_.setSecuritySettings(h, kWlanSecureIhvControl, "O:SYG:SYD:(A;;CCRC;;;BU)"),
              kErrorSuccess);
    EXPECT_EQ(
        machine_.calls().all().back(),
        "WlanSetSecuritySettings(handle=1, object=7, sddl=\"O:SYG:SYD:(A;;CCRC;;;BU)\") -> 0");
    EXPECT_EQ(wlan_.setSecuritySettings(99, kWlanSecureIhvControl, ""), kErrorInvalidHandle);
}

TEST(SimWlanEnum, EnumFailureGivesNoInterfaces) {
    ManualClock clock;
    SimMachine machine(scenarioFrom(R"({"wlan": {"enumResult": 1062, "interfaces": [
        {"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c"}]}})"),
                       clock);
    WlanHandle handle = 0;
    std::uint32_t negotiated = 0;
    machine.wlan().openHandle(2, negotiated, handle);
    std::vector<WlanInterfaceInfo> interfaces;
    EXPECT_EQ(machine.wlan().enumInterfaces(handle, interfaces), kErrorServiceNotActive);
    EXPECT_TRUE(interfaces.empty());
}

TEST(SimWlanEnum, LongDescriptionsAreCutTo255Units) {
    ManualClock clock;
    std::string json = R"({"wlan": {"interfaces": [{"guid": "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c",
        "description": ")" +
                       std::string(300, 'd') + "\"}]}}";
    SimMachine machine(scenarioFrom(json), clock);
    WlanHandle handle = 0;
    std::uint32_t negotiated = 0;
    machine.wlan().openHandle(2, negotiated, handle);
    std::vector<WlanInterfaceInfo> interfaces;
    machine.wlan().enumInterfaces(handle, interfaces);
    EXPECT_EQ(interfaces.at(0).description.size(), 255u);
}

}  // namespace
}  // namespace zlx::sim
