#include <gtest/gtest.h>

#include <thread>

#include "adapterinfo/device_binding.h"
#include "details_fixture.h"
#include "platform/named_mutex_holder.h"

namespace zlx::adapterinfo {
namespace {

using testing::DetailsFixture;

struct IdCase {
    const char* id;
    const char* usbPrefix;
    bool vendor;
};

void PrintTo(const IdCase& c, std::ostream* os) {
    *os << c.id << " with " << c.usbPrefix;
}

class HardwareIdTest : public ::testing::TestWithParam<IdCase> {};

TEST_P(HardwareIdTest, TellsTheVendorsAdapters) {
    const IdCase& c = GetParam();
    EXPECT_EQ(matchesVendorHardwareId(c.id, c.usbPrefix, context::ProductData{}), c.vendor);
}

constexpr const char* kUsb = "USB\\VID_2F1A";

INSTANTIATE_TEST_SUITE_P(
    Identifiers, HardwareIdTest,
    ::testing::Values(
        IdCase{"PCI\\VEN_1B7A&DEV_0032&SUBSYS_00321B7A&REV_01\\4&2A5F3B1&0&00E0", kUsb, true},
        IdCase{"pci\\ven_1b7a&dev_0032&subsys_00321b7a\\4&2a5f3b1&0&00e0", kUsb, true},
        IdCase{"PCI#VEN_1B7A&DEV_0032#4&2A5F3B1&0&00E0", kUsb, true},
        IdCase{"\\\\?\\pci#ven_1b7a&dev_0032#4&2a5f3b1&0&00e0#{guid}", kUsb, true},
        IdCase{"PCI\\VEN_1B7A&DEV_0007\\4&2A5F3B1&0&00E0", kUsb, false},
        IdCase{"PCI\\VEN_1B7A&DEV_00071\\4&2A5F3B1", kUsb, false},
        IdCase{"ROOT\\NET\\PCI\\VEN_1B7A&DEV_0007", kUsb, true},
        IdCase{"PCI\\VEN_8086&DEV_0007\\4&2A5F3B1", kUsb, false},
        IdCase{"PCI\\VEN_1B7A&DEV_0032&SUBSYS_00421C4A&REV_01\\4&1", kUsb, false},
        IdCase{"PCI\\VEN_1B7A&DEV_0032&subsys_71022e5f\\4&1", kUsb, false},
        IdCase{"PCI\\VEN_1B7A&DEV_0032&SUBSYS_00421C5A\\4&1", kUsb, true},
        IdCase{"USB\\VID_2F1A&PID_0101\\5&1A2B3C4D&0&2", kUsb, true},
        IdCase{"usb#vid_2f1a&pid_0101#5&1a2b3c4d&0&2", kUsb, true},
        IdCase{"USB\\VID_2F1A&DEV_0007\\5&1", kUsb, false},
        IdCase{"USB\\VID_0C9D&PID_7A21\\5&1", kUsb, true},
        IdCase{"USB\\VID_0C9D&PID_7A22\\5&1", kUsb, false}, IdCase{"", kUsb, false},
        IdCase{"USB\\VID_3C5D&PID_0200\\5&1", "USB\\VID_3C5D", true},
        IdCase{"USB\\VID_2F1A&PID_0101\\5&1", "USB\\VID_3C5D", false},
        IdCase{"USB\\VID_3C5D&PID_0200\\5&1", "usb\\vid_3c5d", true},
        IdCase{"USB\\VID_3C5D&DEV_0007\\5&1", "usb\\vid_3c5d", false},
        IdCase{"ANYTHING\\AT\\ALL", "", false},
        // Longer than the identifiers a machine gives, so compared outside the usual buffer.
        IdCase{"ROOT#NET#0000#{4d36e972-e325-11ce-bfc1-08002be10318}#{9c3e6f1a-0000-4000-8000-"
               "000000000001}#{5b1f7a0e-1111-4111-8111-111111111111}#pci#ven_1b7a&dev_0032",
               kUsb, true},
        IdCase{"ROOT#NET#0000#{4d36e972-e325-11ce-bfc1-08002be10318}#{9c3e6f1a-0000-4000-8000-"
               "000000000001}#{5b1f7a0e-1111-4111-8111-111111111111}#pci#ven_8086&dev_0032",
               kUsb, false}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

constexpr const char* kInstallerKey =
    R"("HKLM\\SOFTWARE\\Norvane\\Norvane Client Installation Program")";

TEST(UsbPrefix, TheInstallersValueWhenNotEmptyElseTheProducts) {
    struct Case {
        std::string registry;
        std::string expected;
    };
    std::vector<Case> cases = {
        {"[]", "USB\\VID_2F1A"},
        {std::string(R"([{"key": )") + kInstallerKey + "}]", "USB\\VID_2F1A"},
        {std::string(R"([{"key": )") + kInstallerKey + R"(, "values": {"USBVIDPID": ""}}])",
         "USB\\VID_2F1A"},
        {std::string(R"([{"key": )") + kInstallerKey +
             R"(, "values": {"USBVIDPID": "USB\\VID_3C5D"}}])",
         "USB\\VID_3C5D"},
        {std::string(R"([{"key": )") + kInstallerKey + R"(, "values": {"USBVIDPID": 7}}])",
         "USB\\VID_2F1A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.registry);
        auto f = DetailsFixture::fromJson(R"({"registry": )" + c.registry + "}");
        EXPECT_EQ(usbPrefixInForce(f.machine().registry(), f.product), c.expected);
        EXPECT_EQ(f.machine().openRegistryKeys(), 0u);
        EXPECT_FALSE(isVendorHardwareId(f.context(), std::nullopt));
    }
}

constexpr const char* kDevices = R"({"devices": [
  {"instanceId": "PCI\\VEN_1B7A&DEV_0032\\1", "description": "Absent",
   "driverKey": "{c}\\0001", "service": "s1", "present": false},
  {"instanceId": "PCI\\VEN_8086&DEV_4232\\2", "description": "Other vendor",
   "driverKey": "{c}\\0002", "service": "s2"},
  {"instanceId": "PCI\\VEN_1B7A&DEV_0032\\3", "description": "Description",
   "friendlyName": "Friendly", "driverKey": "{c}\\0003", "service": "s3"},
  {"instanceId": "", "description": "No instance id", "driverKey": "{c}\\0004"},
  {"instanceId": "PCI\\VEN_1B7A&DEV_0032\\5", "description": "No description",
   "driverKey": "{c}\\0005", "missingProperties": ["description"]},
  {"instanceId": "PCI\\VEN_1B7A&DEV_0032\\6", "description": "No driver key",
   "driverKey": "{c}\\0006", "missingProperties": ["driverKey"]},
  {"instanceId": "PCI\\VEN_1B7A&DEV_0032\\7", "description": "Driver key without backslash",
   "driverKey": "0007"},
  {"instanceId": "USB\\VID_2F1A&PID_0101\\8", "description": "Empty service",
   "friendlyName": "", "driverKey": "{c}\\0008", "service": ""},
  {"instanceId": "USB\\VID_0C9D&PID_7A21\\9", "description": "Missing service",
   "friendlyName": "Hidden friendly", "driverKey": "{c}\\0009", "service": "s9",
   "missingProperties": ["service", "friendlyName"]},
  {"instanceId": "PCI\\VEN_1B7A&DEV_0032\\A", "description": "",
   "driverKey": "{c}\\", "service": "sA"}
]})";

TEST(VendorAdapters, OnlyPresentVendorDevicesWithADescriptionAndADriverKey) {
    auto f = DetailsFixture::fromJson(kDevices);
    std::vector<VendorDevice> devices = enumerateVendorAdapters(f.context());
    ASSERT_EQ(devices.size(), 4u);
    EXPECT_EQ(devices[0].displayName, "Friendly");
    EXPECT_EQ(devices[0].driverInstance, "0003");
    EXPECT_EQ(devices[0].serviceName, "s3");
    EXPECT_EQ(devices[1].displayName, "Empty service");
    EXPECT_EQ(devices[1].serviceName, "?");
    EXPECT_EQ(devices[2].displayName, "Missing service");
    EXPECT_EQ(devices[2].serviceName, "?");
    EXPECT_EQ(devices[3].displayName, "");
    EXPECT_EQ(devices[3].driverInstance, "");
}

TEST(Binding, TheNameMustBeEqualInFull) {
    auto f = DetailsFixture::shipped("default.json");
    for (std::string name : {"Norvane ZLX 802.11n", "norvane zlx 802.11n wireless adapter",
                             "Norvane ZLX 802.11n Wireless Adapter "}) {
        AdapterInfo info;
        info.adapterName = name;
        gatherDeviceBinding(f.context(), info);
        EXPECT_EQ(info.serviceName, "") << name;
    }
}

// The NIC mutex as another of the vendor's programs would hold it.
class NicMutexTest : public ::testing::Test {
  protected:
    NicMutexTest() : f_(DetailsFixture::shipped("default.json")) {}

    bool walked() { return f_.machine().calls().count("SetupDiGetClassDevs") > 0; }
    bool mutexFree() {
        auto other = f_.mutexes().create(kNicMutexName);
        bool free = other->wait(0) == platform::kWaitObject0;
        if (free) other->release();
        return free;
    }

    DetailsFixture f_;
};

TEST_F(NicMutexTest, AFreeMutexCostsNoTimeAndIsFreeAgainAfterTheWalk) {
    AdapterInfo info;
    info.adapterName = f_.selection.selectedAdapterDescription;
    gatherDeviceBinding(f_.context(), info);
    EXPECT_EQ(f_.clock().now(), 0);
    EXPECT_EQ(info.driverInstance, "0007");
    EXPECT_TRUE(mutexFree());
}

TEST_F(NicMutexTest, TheWalkWaitsUntilTheOtherProgramLetsGo) {
    platform::NamedMutexHolder other(f_.mutexes(), kNicMutexName, f_.clock(), 1500);
    ASSERT_TRUE(other.holding());
    AdapterInfo info;
    info.adapterName = f_.selection.selectedAdapterDescription;
    gatherDeviceBinding(f_.context(), info);
    EXPECT_EQ(f_.clock().now(), 1500);
    EXPECT_FALSE(other.holding());
    EXPECT_EQ(info.driverInstance, "0007");
    EXPECT_TRUE(mutexFree());
}

TEST_F(NicMutexTest, AfterTwoSecondsTheWalkGoesAheadWithoutTheMutex) {
    platform::NamedMutexHolder other(f_.mutexes(), kNicMutexName, f_.clock(), 5000);
    AdapterInfo info;
    info.adapterName = f_.selection.selectedAdapterDescription;
    gatherDeviceBinding(f_.context(), info);
    EXPECT_EQ(f_.clock().now(), 2000);
    EXPECT_TRUE(other.holding());
    EXPECT_EQ(info.driverInstance, "0007");
    EXPECT_FALSE(mutexFree());
}

TEST_F(NicMutexTest, AWorkerThreadWaitsWhileTheClockIsAdvancedForIt) {
    platform::NamedMutexHolder other(f_.mutexes(), kNicMutexName, f_.clock(), 5000);
    AdapterInfo info;
    info.adapterName = f_.selection.selectedAdapterDescription;
    f_.clock().beginActivity();
    std::thread worker([&] {
        platform::ActivityScope running(f_.clock());
        f_.clock().endActivity();
        gatherDeviceBinding(f_.context(), info);
    });
    f_.clock().waitForQuiet();
    f_.clock().advanceTo(1999, {});
    EXPECT_FALSE(walked());
    f_.clock().advanceTo(2000, {});
    worker.join();
    EXPECT_TRUE(walked());
    EXPECT_EQ(info.driverInstance, "0007");
}

}  // namespace
}  // namespace zlx::adapterinfo
