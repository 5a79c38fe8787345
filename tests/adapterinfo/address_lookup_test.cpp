#include <gtest/gtest.h>

#include "adapterinfo/address_lookup.h"
#include "adapterinfo/windows_version.h"
#include "details_fixture.h"

namespace zlx::adapterinfo {
namespace {

using testing::DetailsFixture;

TEST(AddressPath, ChosenByVersionAndServicePack) {
    using enum AddressPath;
    EXPECT_EQ(addressPathFor(kOsWindowsXp, 0), AddressList);
    EXPECT_EQ(addressPathFor(kOsWindowsXp, 1), Legacy);
    EXPECT_EQ(addressPathFor(kOsWindowsXp, 3), AddressList);
    EXPECT_EQ(addressPathFor(kOsWindowsXpX64, 1), AddressList);
    EXPECT_EQ(addressPathFor(kOsOther, 2), Legacy);
    EXPECT_EQ(addressPathFor(kOsWindows2000, 4), Legacy);
}

TEST(MacAddress, SixUpperCaseOctetsOrNothing) {
    using Bytes = std::vector<std::uint8_t>;
    EXPECT_EQ(formatMacAddress(Bytes{0x00, 0x03, 0x7F, 0x0A, 0x1B, 0x2C}), "00-03-7F-0A-1B-2C");
    EXPECT_EQ(formatMacAddress(Bytes{0xAB, 0xCD, 0xEF, 1, 2, 3, 4, 5}), "AB-CD-EF-01-02-03");
    EXPECT_EQ(formatMacAddress(Bytes{0x00, 0x03, 0x7F, 0x0A, 0x1B}), "");
}

constexpr const char* kGuid = "{3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C}";
constexpr const char* kLower = "{3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c}";

// The adapter under three names: ...11 in the adapter list, ...22 in the interface table,
// ...33 in the address list.
constexpr const char* kTables = R"(
  "adaptersInfo": [
    {"adapterName": "{11111111-2222-3333-4444-555555555555}", "address": "00-11-11-11-11-11",
     "ipAddresses": ["10.0.0.2"]},
    {"adapterName": "{3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C}", "address": "00-21-6A-4B-7C-11",
     "ipAddresses": ["192.168.10.57", "192.168.10.58"]}],
  "ifTable": [{"description": "Norvane ZLX 802.11n Wireless Adapter - Packet Scheduler Miniport",
               "physicalAddress": "00-21-6A-4B-7C-22"}],
  "adaptersAddresses": [{"adapterName": "{3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C}",
                         "physicalAddress": "00-21-6A-4B-7C-33"}])";

struct LookupCase {
    const char* name;
    std::string network;  // the members of the "network" object
    std::uint32_t code, servicePack;
    const char* guid;
    const char* mac;
    const char* ip;
};

void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << c.name;
}

std::string withRows(const std::string& rows) {
    return R"("adaptersInfo": [{"adapterName": "{OTHER}"}], "ifTable": )" + rows;
}

class LookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupTest, FindsTheAdapterWhereItsPathLooks) {
    const LookupCase& c = GetParam();
    auto f = DetailsFixture::fromJson(R"({"network": {)" + c.network + "}}");
    f.osVersionCode = c.code;
    f.servicePackMajor = c.servicePack;
    AdapterInfo info;
    info.adapterName = "Norvane ZLX 802.11n Wireless Adapter";
    info.netCfgInstanceId = c.guid;
    gatherAddresses(f.context(), info);
    EXPECT_EQ(info.macAddress, c.mac);
    EXPECT_EQ(info.ipAddress, c.ip);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, LookupTest,
    ::testing::Values(
        LookupCase{"LegacyListGivesMacAndFirstIp", kTables, kOsWindowsXp, 1, kGuid,
                   "00-21-6A-4B-7C-11", "192.168.10.57"},
        LookupCase{"AddressListGivesNoIp", kTables, kOsWindowsXp, 2, kGuid, "00-21-6A-4B-7C-33",
                   ""},
        LookupCase{"LegacyGuidRespectsCaseThenTheNameHelps", kTables, kOsOther, 0, kLower,
                   "00-21-6A-4B-7C-22", ""},
        LookupCase{"AddressListGuidRespectsCase", kTables, kOsWindowsXpX64, 0, kLower, "", ""},
        LookupCase{"LegacyWithoutGuid", kTables, kOsOther, 0, "", "00-21-6A-4B-7C-22", ""},
        LookupCase{
            "AddressListWithoutGuidMatchesNoEmptyName",
            R"("adaptersAddresses": [{"adapterName": "", "physicalAddress": "00-21-6A-4B-7C-33"}])",
            kOsWindowsXp, 2, "", "", ""},
        LookupCase{"ShortAddressInTheListKeepsTheIp",
                   R"("adaptersInfo": [{"adapterName": "{3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C}",
                      "address": "00-21-6A-4B", "ipAddresses": ["192.168.10.57"]}])",
                   kOsOther, 0, kGuid, "", "192.168.10.57"},
        LookupCase{"RowIsTheName",
                   withRows(R"([{"description": "Norvane ZLX 802.11n Wireless Adapter",
                               "physicalAddress": "00-21-6A-4B-7C-22"}])"),
                   kOsOther, 0, "", "00-21-6A-4B-7C-22", ""},
        LookupCase{
            "RowIsTheBeginningOfTheName",
            withRows(R"([{"description": "Norvane ZLX", "physicalAddress": "00-21-6A-4B-7C-22"}])"),
            kOsOther, 0, "", "00-21-6A-4B-7C-22", ""},
        LookupCase{
            "RowComparesCase",
            withRows(R"([{"description": "norvane zlx", "physicalAddress": "00-21-6A-4B-7C-22"}])"),
            kOsOther, 0, "", "", ""},
        LookupCase{"RowWithoutDescriptionNamesNothing",
                   withRows(R"([{"description": "", "physicalAddress": "00-21-6A-4B-7C-22"}])"),
                   kOsOther, 0, "", "", ""},
        LookupCase{"FirstMatchingRowEndsTheSearchEvenWhenShort",
                   withRows(R"([{"description": "Norvane ZLX", "physicalAddress": "00-21-6A"},
                     {"description": "Norvane ZLX", "physicalAddress": "00-21-6A-4B-7C-22"}])"),
                   kOsOther, 0, "", "", ""},
        LookupCase{
            "EmptyAdapterListEndsTheLegacyLookup",
            R"("ifTable": [{"description": "Norvane ZLX", "physicalAddress": "00-21-6A-4B-7C-22"}])",
            kOsOther, 0, kGuid, "", ""},
        LookupCase{"AdapterListRefusesItsSize",
                   std::string(kTables) + R"(, "sizeQueryFailures": {"adaptersInfo": 50})",
                   kOsOther, 0, kGuid, "", ""},
        LookupCase{"AdapterListSizeQuerySucceedsWithoutSize",
                   std::string(kTables) + R"(, "sizeQueryFailures": {"adaptersInfo": 0})", kOsOther,
                   0, kGuid, "", ""},
        LookupCase{"InterfaceTableRefusesItsSize",
                   std::string(kTables) + R"(, "sizeQueryFailures": {"ifTable": 31})", kOsOther, 0,
                   "{UNKNOWN}", "", ""},
        LookupCase{"AddressListRefusesItsSize",
                   std::string(kTables) + R"(, "sizeQueryFailures": {"adaptersAddresses": 8})",
                   kOsWindowsXp, 2, kGuid, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zlx::adapterinfo
