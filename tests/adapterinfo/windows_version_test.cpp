#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "adapterinfo/windows_version.h"
#include "sim/scenario.h"
#include "sim/sim_machine.h"

namespace zlx::adapterinfo {
namespace {

struct VersionCase {
    const char* name;
    const char* osVersion;  // the scenario's "osVersion" object
    std::uint32_t code;
    std::uint32_t servicePackMajor;
};

void PrintTo(const VersionCase& c, std::ostream* os) {
    *os << c.name;
}

class ClassificationTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(ClassificationTest, GivesTheCodeAndServicePack) {
    const VersionCase& c = GetParam();
    // The scenario's default is Windows 7 SP1: a case says what it keeps of it.
    nlohmann::json osVersion = nlohmann::json::parse(c.osVersion);
    if (!osVersion.contains("servicePackMajor")) osVersion["servicePackMajor"] = 0;
    auto scenario =
        sim::parseScenario(R"({"machine": {"osVersion": )" + osVersion.dump() + "}}", "test.json");
    platform::ManualClock clock;
    sim::SimMachine machine(scenario, clock);
    std::uint32_t servicePack = 77;
    EXPECT_EQ(classifyWindowsVersion(machine.system(), servicePack), c.code);
    EXPECT_EQ(servicePack, c.servicePackMajor);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ClassificationTest,
    ::testing::Values(
        VersionCase{"Windows95", R"({"platformId": 1, "major": 4, "minor": 0})", 1, 0},
        VersionCase{"Windows98", R"({"platformId": 1, "major": 4, "minor": 10})", 2, 0},
        VersionCase{"WindowsMe", R"({"platformId": 1, "major": 4, "minor": 90})", 3, 0},
        VersionCase{"Windows9xOtherMinor", R"({"platformId": 1, "major": 4, "minor": 3})", 0, 0},
        VersionCase{"Windows9xOtherMajor", R"({"platformId": 1, "major": 5, "minor": 0})", 0, 0},
        VersionCase{"WindowsNt4Sp6", R"({"major": 4, "minor": 0, "servicePackMajor": 6})", 4, 0},
        VersionCase{"WindowsNt351", R"({"major": 3, "minor": 51})", 4, 0},
        VersionCase{"Windows2000Sp4", R"({"major": 5, "minor": 0, "servicePackMajor": 4})", 5, 4},
        VersionCase{"WindowsXpSp2", R"({"major": 5, "minor": 1, "servicePackMajor": 2})", 6, 2},
        VersionCase{"WindowsXpNoServicePack", R"({"major": 5, "minor": 1, "servicePackMajor": 0})",
                    6, 0},
        VersionCase{"WindowsServer2003",
                    R"({"major": 5, "minor": 2, "productType": 3, "servicePackMajor": 1})", 5, 1},
        VersionCase{"WindowsXpX64",
                    R"({"major": 5, "minor": 2, "productType": 1, "servicePackMajor": 2})", 7, 2},
        VersionCase{"Windows2003DomainController", R"({"major": 5, "minor": 2, "productType": 2})",
                    0, 0},
        VersionCase{"Windows5Minor3", R"({"major": 5, "minor": 3})", 0, 0},
        VersionCase{"WindowsVista", R"({"major": 6, "minor": 0, "servicePackMajor": 2})", 0, 2},
        VersionCase{"Windows7Sp1", R"({"major": 6, "minor": 1, "servicePackMajor": 1})", 0, 1},
        VersionCase{"Windows10", R"({"major": 10, "minor": 0, "servicePackMajor": 0})", 0, 0},
        VersionCase{"ServicePack5IsNotKept", R"({"major": 5, "minor": 1, "servicePackMajor": 5})",
                    6, 0},
        VersionCase{"OtherPlatformFamily", R"({"platformId": 3, "major": 5, "minor": 1})", 0, 0},
        VersionCase{"BasicRecordOnlyXp",
                    R"({"major": 5, "minor": 1, "servicePackMajor": 2, "extendedFails": true})", 6,
                    0},
        VersionCase{"BasicRecordOnly52",
                    R"({"major": 5, "minor": 2, "productType": 1, "extendedFails": true})", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Classification, NoReportAtAllLeavesTheServicePackAlone) {
    auto scenario = sim::parseScenario(
        R"({"machine": {"osVersion": {"major": 5, "minor": 1, "servicePackMajor": 3,
            "extendedFails": true, "basicFails": true}}})",
        "test.json");
    platform::ManualClock clock;
    sim::SimMachine machine(scenario, clock);
    std::uint32_t servicePack = 2;
    EXPECT_EQ(classifyWindowsVersion(machine.system(), servicePack), kOsOther);
    EXPECT_EQ(servicePack, 2u);
}

}  // namespace
}  // namespace zlx::adapterinfo
