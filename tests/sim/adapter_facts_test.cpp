// The parts of the machine that the adapter details read: device properties, IP Helper size
// queries, local time, the product section and the NIC mutex's other holder.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim/json_reader.h"
#include "sim/sim_machine.h"
#include "test_support.h"

namespace zlx::sim {
namespace {

using testing::scenarioFrom;

TEST(AdapterFacts, MissingDevicePropertiesByNameOrCode) {
    Scenario s = scenarioFrom(R"({"devices": [{"instanceId": "PCI\\VEN_1B7A\\1",
        "missingProperties": ["friendlyName", "service", 9]}]})");
    ManualClock clock;
    SimMachine machine(s, clock);
    std::vector<NetworkDevice> devices;
    ASSERT_EQ(machine.devices().networkDevices(devices), kErrorSuccess);
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_FALSE(devices[0].hasProperty(kSpdrpFriendlyName));
    EXPECT_FALSE(devices[0].hasProperty(kSpdrpService));
    EXPECT_FALSE(devices[0].hasProperty(kSpdrpDriver));
    EXPECT_TRUE(devices[0].hasProperty(kSpdrpDeviceDesc));
}

TEST(AdapterFacts, ARefusedSizeQueryGivesItsResultAndNoSize) {
    Scenario s = scenarioFrom(R"({"network": {
        "adaptersInfo": [{"adapterName": "{A}"}], "ifTable": [{"description": "A"}],
        "adaptersAddresses": [{"adapterName": "{A}"}],
        "sizeQueryFailures": {"adaptersInfo": 50, "ifTable": "0x1F", "adaptersAddresses": 8}}})");
    ManualClock clock;
    SimMachine machine(s, clock);
    IpHelper& ip = machine.ipHelper();
    std::uint32_t needed = 0;
    std::vector<IpAdapterInfo> info;
    std::vector<IfRow> rows;
    std::vector<IpAdapterAddresses> addresses;
    EXPECT_EQ(ip.adaptersInfo(0, needed, info), 50u);
    EXPECT_EQ(ip.ifTable(1, needed, rows), 31u);
    EXPECT_EQ(ip.adaptersAddresses(0, needed, addresses), 8u);
    EXPECT_EQ(needed, 0u);
    // A buffer large enough is still filled.
    EXPECT_EQ(ip.adaptersInfo(704, needed, info), kErrorSuccess);
    EXPECT_EQ(ip.ifTable(864, needed, rows), kErrorSuccess);
    EXPECT_EQ(ip.adaptersAddresses(448, needed, addresses), kErrorSuccess);
    EXPECT_EQ(info.size() + rows.size() + addresses.size(), 3u);
    EXPECT_THAT(machine.calls().all(),
                ::testing::Contains("GetAdaptersInfo(size=0) -> 50 count=0"));
}

TEST(AdapterFacts, LocalTimeInTheMachinesTimeZone) {
    Scenario s = scenarioFrom(R"({"machine": {"timeZoneOffsetMinutes": -330}})");
    ManualClock clock;
    SimMachine machine(s, clock);
    std::tm local{};
    ASSERT_TRUE(machine.system().localTimeOf(1742290886, local));  // 2025-03-18 09:41:26 UTC
    EXPECT_EQ(local.tm_hour, 4);
    EXPECT_EQ(local.tm_min, 11);
    EXPECT_EQ(local.tm_mday, 18);
    EXPECT_FALSE(machine.system().localTimeOf(-1, local));
    EXPECT_FALSE(machine.system().localTimeOf(32535216000, local));
}

TEST(AdapterFacts, TheProductSectionIsKeptAsCheckedJsonText) {
    Scenario s = scenarioFrom(R"({"product": {"vendorPciPrefix": "PCI\\VEN_ABCD",
        "excludedSubsystems": ["SUBSYS_1111111", "SUBSYS_2222222", "SUBSYS_3333333",
                               "SUBSYS_4444444"],
        "networkVendorOui": "0a:0b:0c"}})");
    auto product = Json::parse(s.product);
    EXPECT_EQ(product["vendorPciPrefix"], "PCI\\VEN_ABCD");
    EXPECT_EQ(product["excludedSubsystems"].size(), 4u);
    EXPECT_EQ(product["networkVendorOui"], "0A-0B-0C");
    EXPECT_FALSE(product.contains("partnerUsbId"));
    EXPECT_EQ(scenarioFrom("{}").product, "");
}

}  // namespace
}  // namespace zlx::sim
