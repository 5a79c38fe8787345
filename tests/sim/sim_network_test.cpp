#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim/sim_machine.h"
#include "test_support.h"

namespace zlx::sim {
namespace {

using testing::scenarioFrom;

constexpr const char* kNetwork = R"({
  "network": {
    "adaptersInfo": [
      {"adapterName": "{3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C}", "description": "Norvane ZLX",
       "address": "00-21-6A-4B-7C-11", "index": 11, "dhcpEnabled": true,
       "ipAddresses": ["192.168.10.57"], "ipMasks": ["255.255.255.0"],
       "gateway": "192.168.10.1", "dhcpServer": "192.168.10.1"},
      {"adapterName": "{11111111-2222-3333-4444-555555555555}", "description": "Ethernet",
       "type": 6}
    ],
    "ifTable": [{"name": "wlan0", "index": 11, "physicalAddress": "00:21:6a:4b:7c:11",
                 "operStatus": 5, "description": "Norvane ZLX"}],
    "adaptersAddresses": [{"adapterName": "{3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C}",
                           "friendlyName": "Wireless Network Connection", "ifIndex": 11,
                           "unicastAddresses": ["169.254.12.7"]}]
  },
  "devices": [{"instanceId": "PCI\\VEN_1B7A&DEV_0032\\4&2A5F3B1&0&00E0",
               "hardwareIds": ["PCI\\VEN_1B7A&DEV_0032"], "description": "Norvane ZLX",
               "driverKey": "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007",
               "service": "nvzlx", "present": false}]
})";

class SimNetworkTest : public ::testing::Test {
  protected:
    SimNetworkTest() : machine_(scenarioFrom(kNetwork), clock_) {}
    ManualClock clock_;
    SimMachine machine_;
};

TEST_F(SimNetworkTest, AdaptersInfoTakesTwoCalls) {
    std::vector<IpAdapterInfo> adapters;
    std::uint32_t needed = 0;
    EXPECT_EQ(machine_.ipHelper().adaptersInfo(0, needed, adapters), kErrorBufferOverflow);
    EXPECT_EQ(needed, 2u * 704);
    EXPECT_TRUE(adapters.empty());
    ASSERT_EQ(machine_.ipHelper().adaptersInfo(needed, needed, adapters), kErrorSuccess);
    ASSERT_EQ(adapters.size(), 2u);
    EXPECT_EQ(adapters[0].address, (std::vector<std::uint8_t>{0x00, 0x21, 0x6A, 0x4B, 0x7C, 0x11}));
    EXPECT_EQ(adapters[0].dhcpEnabled, 1u);
    EXPECT_EQ(adapters[0].ipAddresses, std::vector<std::string>{"192.168.10.57"});
    EXPECT_EQ(adapters[1].type, 6u);
    EXPECT_EQ(adapters[1].index, 0u);
}

TEST_F(SimNetworkTest, IfTableCountsItsHeader) {
    std::vector<IfRow> rows;
    std::uint32_t needed = 0;
    EXPECT_EQ(machine_.ipHelper().ifTable(860, needed, rows), kErrorInsufficientBuffer);
    EXPECT_EQ(needed, 4u + 860);
    ASSERT_EQ(machine_.ipHelper().ifTable(needed, needed, rows), kErrorSuccess);
    EXPECT_EQ(rows.at(0).operStatus, 5u);
    EXPECT_EQ(rows.at(0).type, 71u);
}

TEST_F(SimNetworkTest, AdaptersAddresses) {
    std::vector<IpAdapterAddresses> adapters;
    std::uint32_t needed = 0;
    EXPECT_EQ(machine_.ipHelper().adaptersAddresses(100, needed, adapters), kErrorBufferOverflow);
    EXPECT_EQ(needed, 448u);
    ASSERT_EQ(machine_.ipHelper().adaptersAddresses(448, needed, adapters), kErrorSuccess);
    EXPECT_EQ(adapters.at(0).unicastAddresses, std::vector<std::string>{"169.254.12.7"});
    EXPECT_THAT(machine_.calls().all(),
                ::testing::ElementsAre("GetAdaptersAddresses(size=100) -> 111 needed=448",
                                       "GetAdaptersAddresses(size=448) -> 0 count=1"));
}

TEST(SimNetwork, EmptyTables) {
    ManualClock clock;
    SimMachine machine(scenarioFrom("{}"), clock);
    std::uint32_t needed = 0;
    std::vector<IpAdapterInfo> info;
    EXPECT_EQ(machine.ipHelper().adaptersInfo(0, needed, info), kErrorNoData);
    std::vector<IpAdapterAddresses> addresses;
    EXPECT_EQ(machine.ipHelper().adaptersAddresses(0, needed, addresses), kErrorNoData);
    std::vector<IfRow> rows;
    EXPECT_EQ(machine.ipHelper().ifTable(0, needed, rows), kErrorInsufficientBuffer);
    EXPECT_EQ(needed, 4u);
    EXPECT_EQ(machine.ipHelper().ifTable(4, needed, rows), kErrorSuccess);
}

TEST_F(SimNetworkTest, DevicesIncludeThoseNotPresent) {
    std::vector<NetworkDevice> devices;
    ASSERT_EQ(machine_.devices().networkDevices(devices), kErrorSuccess);
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_FALSE(devices[0].present);
    EXPECT_EQ(devices[0].service, "nvzlx");
    EXPECT_EQ(devices[0].friendlyName, "");
}

}  // namespace
}  // namespace zlx::sim
