#include <gtest/gtest.h>

#include "adapterinfo/address_lookup.h"
#include "adapterinfo/windows_version.h"
#include "details_fixture.h"

namespace zlx::adapterinfo {
namespace {

using testing::DetailsFixture;

constexpr const char* kName = "Norvane ZLX 802.11n Wireless Adapter";
constexpr const char* kGuid = "{3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C}";

TEST(AddressPath, ChosenByVersionAndServicePack) {
    struct Case {
        std::uint32_t code, servicePack;
        AddressPath path;
    } cases[] = {
        {kOsWindowsXp, 0, AddressPath::AddressList},
        {kOsWindowsXp, 1, AddressPath::Legacy},
        {kOsWindowsXp, 2, AddressPath::AddressList},
        {kOsWindowsXp, 3, AddressPath::AddressList},
        {kOsWindowsXpX64, 1, AddressPath::AddressList},
        {kOsWindowsXpX64, 0, AddressPath::AddressList},
        {kOsOther, 1, AddressPath::Legacy},
        {kOsWindows95, 0, AddressPath::Legacy},
        {kOsWindowsNt4, 0, AddressPath::Legacy},
        {kOsWindows2000, 4, AddressPath::Legacy},
    };
    for (const Case& c : cases)
        EXPECT_EQ(addressPathFor(c.code, c.servicePack), c.path) << c.code << " " << c.servicePack;
}

TEST(MacAddress, SixUpperCaseOctetsOrNothing) {
    using Bytes = std::vector<std::uint8_t>;
    EXPECT_EQ(formatMacAddress(Bytes{0x00, 0x03, 0x7F, 0x0A, 0x1B, 0x2C}), "00-03-7F-0A-1B-2C");
    EXPECT_EQ(formatMacAddress(Bytes{0xAB, 0xCD, 0xEF, 0x01, 0x02, 0x03, 0x04, 0x05}),
              "AB-CD-EF-01-02-03");
    EXPECT_EQ(formatMacAddress(Bytes{0x00, 0x03, 0x7F, 0x0A, 0x1B}), "");
    EXPECT_EQ(formatMacAddress(Bytes{}), "");
}

// A machine with the given IP Helper tables.
DetailsFixture machineWith(const std::string& network) {
    return DetailsFixture::fromJson(R"({"network": )" + network + "}");
}

AdapterInfo lookUp(DetailsFixture& f, std::uint32_t code, std::uint32_t servicePack,
                   const std::string& guid = kGuid) {
    f.osVersionCode = code;
    f.servicePackMajor = servicePack;
    AdapterInfo info;
    info.adapterName = kName;
    info.netCfgInstanceId = guid;
    gatherAddresses(f.context(), info);
    return info;
}

constexpr const char* kAllTables = R"({
  "adaptersInfo": [
    {"adapterName": "{11111111-2222-3333-4444-555555555555}", "address": "00-11-11-11-11-11",
     "ipAddresses": ["10.0.0.2"]},
    {"adapterName": "{3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C}", "address": "00-21-6A-4B-7C-11",
     "ipAddresses": ["192.168.10.57", "192.168.10.58"]}],
  "ifTable": [{"description": "Norvane ZLX 802.11n Wireless Adapter - Packet Scheduler Miniport",
               "physicalAddress": "00-21-6A-4B-7C-22"}],
  "adaptersAddresses": [
    {"adapterName": "{3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C}",
     "physicalAddress": "00-21-6A-4B-7C-33", "unicastAddresses": ["192.168.10.57"]}]
})";

TEST(Addresses, LegacyAdapterListGivesMacAndFirstIp) {
    auto f = machineWith(kAllTables);
    AdapterInfo info = lookUp(f, kOsWindowsXp, 1);
    EXPECT_EQ(info.macAddress, "00-21-6A-4B-7C-11");
    EXPECT_EQ(info.ipAddress, "192.168.10.57");
    EXPECT_EQ(f.machine().calls().count("GetAdaptersAddresses"), 0u);
    EXPECT_EQ(f.machine().calls().count("GetIfTable"), 0u);
}

TEST(Addresses, AddressListGivesTheMacButNoIp) {
    auto f = machineWith(kAllTables);
    AdapterInfo info = lookUp(f, kOsWindowsXp, 2);
    EXPECT_EQ(info.macAddress, "00-21-6A-4B-7C-33");
    EXPECT_EQ(info.ipAddress, "");
    EXPECT_EQ(f.machine().calls().count("GetAdaptersInfo"), 0u);
}

TEST(Addresses, TheGuidComparisonRespectsCase) {
    const std::string lower = "{3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c}";
    auto legacy = machineWith(kAllTables);
    AdapterInfo info = lookUp(legacy, kOsOther, 0, lower);
    EXPECT_EQ(info.macAddress, "00-21-6A-4B-7C-22");  // from the interface table, by name
    EXPECT_EQ(info.ipAddress, "");

    auto list = machineWith(kAllTables);
    info = lookUp(list, kOsWindowsXpX64, 0, lower);
    EXPECT_EQ(info.macAddress, "");
}

TEST(Addresses, WithoutAGuidOnlyTheInterfaceTableCanHelp) {
    auto legacy = machineWith(kAllTables);
    EXPECT_EQ(lookUp(legacy, kOsOther, 0, "").macAddress, "00-21-6A-4B-7C-22");
    auto list = machineWith(R"({"adaptersAddresses": [{"adapterName": "",
        "physicalAddress": "00-21-6A-4B-7C-33"}]})");
    EXPECT_EQ(lookUp(list, kOsWindowsXp, 2, "").macAddress, "");
}

TEST(Addresses, AShortAddressInTheAdapterListGivesNoMacButTheIp) {
    auto f =
        machineWith(R"({"adaptersInfo": [{"adapterName": "{3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C}",
        "address": "00-21-6A-4B", "ipAddresses": ["192.168.10.57"]}]})");
    AdapterInfo info = lookUp(f, kOsOther, 0);
    EXPECT_EQ(info.macAddress, "");
    EXPECT_EQ(info.ipAddress, "192.168.10.57");
}

TEST(Addresses, AnAdapterWithoutAddressesHasNoIp) {
    auto f =
        machineWith(R"({"adaptersInfo": [{"adapterName": "{3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C}",
        "address": "00-21-6A-4B-7C-11"}]})");
    AdapterInfo info = lookUp(f, kOsOther, 0);
    EXPECT_EQ(info.macAddress, "00-21-6A-4B-7C-11");
    EXPECT_EQ(info.ipAddress, "");
}

struct RowCase {
    const char* description;
    const char* mac;  // expected
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << '"' << c.description << '"';
}

class InterfaceRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(InterfaceRowTest, MatchesByTheCommonBeginning) {
    auto f =
        machineWith(std::string(R"({"adaptersInfo": [{"adapterName": "{OTHER}"}],
                                         "ifTable": [{"description": ")") +
                    GetParam().description + R"(", "physicalAddress": "00-21-6A-4B-7C-22"}]})");
    EXPECT_EQ(lookUp(f, kOsOther, 0, "").macAddress, GetParam().mac);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, InterfaceRowTest,
    ::testing::Values(RowCase{"Norvane ZLX 802.11n Wireless Adapter", "00-21-6A-4B-7C-22"},
                      RowCase{"Norvane ZLX 802.11n Wireless Adapter #2", "00-21-6A-4B-7C-22"},
                      RowCase{"Norvane ZLX", "00-21-6A-4B-7C-22"}, RowCase{"Norvane ZLY", ""},
                      RowCase{"norvane zlx 802.11n wireless adapter", ""},
                      RowCase{"Intel(R) Wireless", ""}, RowCase{"", ""}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

TEST(Addresses, TheFirstMatchingRowEndsTheSearchEvenWithAShortAddress) {
    auto f = machineWith(R"({"adaptersInfo": [{"adapterName": "{OTHER}"}], "ifTable": [
        {"description": "Loopback", "physicalAddress": ""},
        {"description": "Norvane ZLX 802.11n Wireless Adapter", "physicalAddress": "00-21-6A"},
        {"description": "Norvane ZLX 802.11n Wireless Adapter", "physicalAddress": "00-21-6A-4B-7C-22"}]})");
    EXPECT_EQ(lookUp(f, kOsOther, 0, "").macAddress, "");
}

struct RefusalCase {
    const char* name;
    const char* failures;
    std::uint32_t code;
    std::uint32_t servicePack;
    const char* mac;
    const char* ip;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class SizeQueryTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(SizeQueryTest, ARefusedSizeQueryEndsThatLookup) {
    const RefusalCase& c = GetParam();
    std::string tables = kAllTables;
    tables.insert(tables.rfind('}'), std::string(R"(, "sizeQueryFailures": )") + c.failures);
    auto f = machineWith(tables);
    AdapterInfo info = lookUp(f, c.code, c.servicePack, "{UNKNOWN}");
    AdapterInfo known = lookUp(f, c.code, c.servicePack);
    EXPECT_EQ(known.macAddress, c.mac);
    EXPECT_EQ(known.ipAddress, c.ip);
    EXPECT_EQ(info.macAddress, "");
    EXPECT_EQ(info.ipAddress, "");
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SizeQueryTest,
    ::testing::Values(
        RefusalCase{"AdapterListRefused", R"({"adaptersInfo": 50})", kOsOther, 0, "", ""},
        RefusalCase{"InterfaceTableRefused", R"({"ifTable": 31})", kOsOther, 0, "00-21-6A-4B-7C-11",
                    "192.168.10.57"},
        RefusalCase{"AddressListRefused", R"({"adaptersAddresses": 8})", kOsWindowsXp, 2, "", ""},
        RefusalCase{"SizeQuerySucceedsWithoutSize", R"({"adaptersInfo": 0})", kOsOther, 0, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Addresses, AnInterfaceTableThatRefusesItsSizeGivesNoFallback) {
    auto f = machineWith(R"({"adaptersInfo": [{"adapterName": "{OTHER}"}],
        "ifTable": [{"description": "Norvane ZLX 802.11n Wireless Adapter",
                     "physicalAddress": "00-21-6A-4B-7C-22"}],
        "sizeQueryFailures": {"ifTable": 50}})");
    EXPECT_EQ(lookUp(f, kOsOther, 0).macAddress, "");
}

TEST(Addresses, AnEmptyAdapterListEndsTheLegacyLookup) {
    auto f = machineWith(R"({"ifTable": [{"description": "Norvane ZLX 802.11n Wireless Adapter",
                     "physicalAddress": "00-21-6A-4B-7C-22"}]})");
    EXPECT_EQ(lookUp(f, kOsOther, 0).macAddress, "");
}

}  // namespace
}  // namespace zlx::adapterinfo
