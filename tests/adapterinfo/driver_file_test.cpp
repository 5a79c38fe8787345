#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "adapterinfo/driver_file.h"
#include "details_fixture.h"

namespace zlx::adapterinfo {
namespace {

using testing::DetailsFixture;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Only the calls about files and redirection, in order.
std::vector<std::string> fileCalls(const std::vector<std::string>& calls) {
    std::vector<std::string> out;
    for (const std::string& call : calls) {
        if (call.rfind("Wow64", 0) == 0 || call.rfind("FindFirstFile", 0) == 0 ||
            call.rfind("GetFileVersionInfo", 0) == 0)
            out.push_back(call.substr(0, call.find('(')));
    }
    return out;
}

AdapterInfo boundTo(const std::string& service, const std::string& instance) {
    AdapterInfo info;
    info.adapterName = "Norvane ZLX 802.11n Wireless Adapter";
    info.serviceName = service;
    info.driverInstance = instance;
    return info;
}

TEST(ImagePath, RelativeAndAbsoluteFormsNameTheSameFile) {
    struct Case {
        const char* imagePath;
        const char* path;
    } cases[] = {
        {"system32\\DRIVERS\\nvzlx64.sys", "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys"},
        {"\\SystemRoot\\system32\\DRIVERS\\nvzlx64.sys",
         "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys"},
        {"\\systemroot\\System32\\drivers\\nvzlx64.sys",
         "C:\\Windows\\System32\\drivers\\nvzlx64.sys"},
        {"%SystemRoot%\\system32\\DRIVERS\\nvzlx64.sys",
         "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys"},
        {"%windir%\\system32\\DRIVERS\\nvzlx64.sys", "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys"},
        {"\\??\\D:\\Drivers\\nvzlx64.sys", "D:\\Drivers\\nvzlx64.sys"},
        {"D:\\Drivers\\nvzlx64.sys", "D:\\Drivers\\nvzlx64.sys"},
        {"nvzlx64.sys", "C:\\Windows\\nvzlx64.sys"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(driverImagePath("C:\\Windows", c.imagePath), c.path) << c.imagePath;
}

TEST(SystemDirectory, ComparesTheBeginningIgnoringCase) {
    auto f = DetailsFixture::fromJson(R"({"folders": {"system": "C:\\WINDOWS\\system32"}})");
    platform::Folders& folders = f.machine().folders();
    EXPECT_TRUE(isInSystemDirectory(folders, "C:\\windows\\SYSTEM32\\drivers\\x.sys"));
    EXPECT_TRUE(isInSystemDirectory(folders, "C:\\WINDOWS\\system32"));
    EXPECT_FALSE(isInSystemDirectory(folders, "C:\\WINDOWS\\system"));
    EXPECT_FALSE(isInSystemDirectory(folders, "C:\\WINDOWS\\SysWOW64\\drivers\\x.sys"));
    EXPECT_FALSE(isInSystemDirectory(folders, "D:\\Drivers\\x.sys"));
    EXPECT_FALSE(isInSystemDirectory(folders, ""));
}

TEST(FileDate, LocalTimeOfTheMachineWithCLocaleMonthNames) {
    struct Case {
        int offsetMinutes;
        std::int64_t utc;
        const char* text;
    } cases[] = {
        {0, 1742290886, "18 Mar 2025 09:41:26"},
        {60, 1742290886, "18 Mar 2025 10:41:26"},
        {-300, 1742290886, "18 Mar 2025 04:41:26"},
        {60, 1735689599, "01 Jan 2025 00:59:59"},
        {0, 0, "01 Jan 1970 00:00:00"},
        {0, -1, ""},
        {0, 32535215999, "31 Dec 3000 23:59:59"},
        {0, 32535216000, ""},
    };
    for (const Case& c : cases) {
        auto f = DetailsFixture::fromJson(R"({"machine": {"timeZoneOffsetMinutes": )" +
                                          std::to_string(c.offsetMinutes) + "}}");
        EXPECT_EQ(formatFileDate(f.machine().system(), c.utc), c.text) << c.utc;
    }
}

TEST(FileDate, FileTimesAreWholeSecondsSince1970) {
    EXPECT_EQ(unixSecondsOf(116444736000000000ull), 0);
    EXPECT_EQ(unixSecondsOf(116444736009999999ull), 0);
    EXPECT_EQ(unixSecondsOf(116444736010000000ull), 1);
    EXPECT_LT(unixSecondsOf(0), 0);
}

TEST(NetCfgInstanceId, ReadFromTheClassInstanceKey) {
    auto f = DetailsFixture::shipped("default.json");
    AdapterInfo info = boundTo("nvzlx", "0007");
    readNetCfgInstanceId(f.context(), info);
    EXPECT_EQ(info.netCfgInstanceId, "{3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C}");
    EXPECT_EQ(f.machine().openRegistryKeys(), 0u);
}

TEST(NetCfgInstanceId, NoInstanceMeansNoRegistryAccess) {
    auto f = DetailsFixture::shipped("default.json");
    AdapterInfo info = boundTo("nvzlx", "");
    readNetCfgInstanceId(f.context(), info);
    EXPECT_EQ(info.netCfgInstanceId, "");
    EXPECT_EQ(f.machine().calls().count("RegOpenKeyEx"), 0u);
}

TEST(NetCfgInstanceId, AReadOnlyKeyIsOpenedForReading) {
    auto f = DetailsFixture::fromJson(R"({"registry": [{"key":
        "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007",
        "readOnly": true, "values": {"NetCfgInstanceId": "{GUID}"}}]})");
    AdapterInfo info = boundTo("nvzlx", "0007");
    readNetCfgInstanceId(f.context(), info);
    EXPECT_EQ(info.netCfgInstanceId, "{GUID}");
    auto calls = f.calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_THAT(calls[0], HasSubstr("access=0xF003F) -> 5"));
    EXPECT_THAT(calls[1], HasSubstr("access=0x20019) -> 0"));
}

TEST(NetCfgInstanceId, MalformedValuesGiveNoGarbage) {
    struct Case {
        const char* value;
        const char* expected;
    } cases[] = {
        {R"({"raw": "7B 00 41 00 7D", "type": 1})", "{A\xEF\xBF\xBD"},  // odd length
        {R"({"raw": "7B 00 41 00", "type": 1})", "{A"},                 // no NUL
        {R"({"dword": 7})", ""},
        {R"({"binary": "7B 00 41 00 00 00"})", ""},
        {R"({"multiSz": ["{A}", "{B}"]})", ""},
    };
    for (const Case& c : cases) {
        auto f = DetailsFixture::fromJson(std::string(R"({"registry": [{"key":
            "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007",
            "values": {"NetCfgInstanceId": )") +
                                          c.value + "}}]}");
        AdapterInfo info = boundTo("nvzlx", "0007");
        readNetCfgInstanceId(f.context(), info);
        EXPECT_EQ(info.netCfgInstanceId, c.expected) << c.value;
    }
}

TEST(DriverFile, PathDateAndVersionOfTheDefaultMachine) {
    auto f = DetailsFixture::shipped("default.json");
    AdapterInfo info = boundTo("nvzlx", "0007");
    EXPECT_TRUE(gatherDriverFile(f.context(), info));
    EXPECT_EQ(info.driverPath, "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys");
    EXPECT_EQ(info.driverFileDate, "18 Mar 2025 09:41:26");
    EXPECT_EQ(info.driverFileVersion, "3.2.0.117");
    EXPECT_EQ(f.machine().openRegistryKeys(), 0u);
}

TEST(DriverFile, VersionPartsInDecimal) {
    auto f = DetailsFixture::shipped("xp-sp1.json");
    std::string text;
    platform::FileVersion parts;
    ASSERT_TRUE(
        readFileVersion(f.context(), "C:\\WINDOWS\\system32\\DRIVERS\\nvzlx.sys", text, parts));
    EXPECT_EQ(text, "2.0.5.1234");
    EXPECT_EQ(parts.major, 2u);
    EXPECT_EQ(parts.revision, 1234u);
}

TEST(DriverFile, NothingIsFoundWithoutAServiceKeyOrImagePath) {
    struct Case {
        const char* scenario;
        const char* service;
    } cases[] = {
        {"default.json", ""},
        {"default.json", "?"},
        {"default.json", "nvzlx2"},
        {"empty-service.json", "?"},
    };
    for (const Case& c : cases) {
        auto f = DetailsFixture::shipped(c.scenario);
        AdapterInfo info = boundTo(c.service, "0007");
        EXPECT_FALSE(gatherDriverFile(f.context(), info));
        EXPECT_EQ(info.driverPath, "") << c.service;
        EXPECT_EQ(info.driverFileDate, "");
        EXPECT_EQ(info.driverFileVersion, "");
        EXPECT_EQ(f.machine().openRegistryKeys(), 0u);
    }
}

TEST(DriverFile, AMissingFileKeepsItsPathOnly) {
    auto f = DetailsFixture::shipped("driver-file-missing.json");
    AdapterInfo info = boundTo("nvzlx", "0007");
    EXPECT_FALSE(gatherDriverFile(f.context(), info));
    EXPECT_EQ(info.driverPath, "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys");
    EXPECT_EQ(info.driverFileDate, "");
    EXPECT_EQ(info.driverFileVersion, "");
}

TEST(DriverFile, AFileWithoutVersionHasADate) {
    auto f = DetailsFixture::fromJson(R"({
      "registry": [{"key": "HKLM\\SYSTEM\\CurrentControlSet\\Services\\nvzlx",
                    "values": {"ImagePath": "system32\\DRIVERS\\nvzlx64.sys"}}],
      "files": [{"path": "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys",
                 "lastWrite": "2024-11-05 17:03:09"}]})");
    AdapterInfo info = boundTo("nvzlx", "0007");
    EXPECT_FALSE(gatherDriverFile(f.context(), info));
    EXPECT_EQ(info.driverFileDate, "05 Nov 2024 17:03:09");
    EXPECT_EQ(info.driverFileVersion, "");
}

TEST(DriverFile, AnImagePathNamingAFolderGivesNoDate) {
    auto f = DetailsFixture::fromJson(R"({
      "registry": [{"key": "HKLM\\SYSTEM\\CurrentControlSet\\Services\\nvzlx",
                    "values": {"ImagePath": "system32\\DRIVERS"}}],
      "files": [{"path": "C:\\Windows\\system32\\DRIVERS", "directory": true}]})");
    AdapterInfo info = boundTo("nvzlx", "0007");
    gatherDriverFile(f.context(), info);
    EXPECT_EQ(info.driverPath, "C:\\Windows\\system32\\DRIVERS");
    EXPECT_EQ(info.driverFileDate, "");
}

TEST(DriverFile, AnEmptyImagePathIsNoPath) {
    auto f = DetailsFixture::fromJson(R"({
      "registry": [{"key": "HKLM\\SYSTEM\\CurrentControlSet\\Services\\nvzlx",
                    "values": {"ImagePath": ""}}]})");
    AdapterInfo info = boundTo("nvzlx", "0007");
    gatherDriverFile(f.context(), info);
    EXPECT_EQ(info.driverPath, "");
    EXPECT_EQ(f.machine().calls().count("FindFirstFile"), 0u);
}

TEST(DriverFile, TheSystemRootFormFindsTheFile) {
    auto f = DetailsFixture::shipped("systemroot-image-path.json");
    AdapterInfo info = boundTo("nvzlx", "0007");
    EXPECT_TRUE(gatherDriverFile(f.context(), info));
    EXPECT_EQ(info.driverPath, "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys");
    EXPECT_EQ(info.driverFileVersion, "3.2.0.117");
}

TEST(Redirection, SwitchedOffAroundEachAccessOnXpX64BelowTheSystemDirectory) {
    auto f = DetailsFixture::shipped("xp-x64.json");
    ASSERT_EQ(f.osVersionCode, 7u);
    AdapterInfo info = boundTo("nvzlx", "0007");
    EXPECT_TRUE(gatherDriverFile(f.context(), info));
    EXPECT_EQ(info.driverPath, "C:\\WINDOWS\\System32\\DRIVERS\\nvzlx64.sys");
    EXPECT_EQ(info.driverFileVersion, "2.0.5.1234");
    EXPECT_THAT(fileCalls(f.calls()),
                ElementsAre("Wow64DisableWow64FsRedirection", "FindFirstFile",
                            "Wow64RevertWow64FsRedirection", "Wow64DisableWow64FsRedirection",
                            "GetFileVersionInfo", "Wow64RevertWow64FsRedirection"));
}

TEST(Redirection, LeftAloneOutsideTheSystemDirectory) {
    auto f = DetailsFixture::shipped("xp-x64.json");
    std::string text;
    platform::FileVersion parts;
    readFileVersion(f.context(), "C:\\Program Files\\Norvane\\nvzlx64.sys", text, parts);
    EXPECT_THAT(fileCalls(f.calls()), ElementsAre("GetFileVersionInfo"));
}

TEST(Redirection, LeftAloneOnEveryOtherSystem) {
    for (const char* scenario :
         {"default.json", "xp-sp1.json", "xp-sp2.json", "unknown-windows-version.json"}) {
        auto f = DetailsFixture::shipped(scenario);
        AdapterInfo info = boundTo("nvzlx", "0007");
        EXPECT_TRUE(gatherDriverFile(f.context(), info)) << scenario;
        EXPECT_THAT(fileCalls(f.calls()), ElementsAre("FindFirstFile", "GetFileVersionInfo"))
            << scenario;
    }
}

TEST(Redirection, WithoutTheSwitchFunctionsTheFileIsReadAllTheSame) {
    auto scenario = platform::sim::loadScenarioFile(testing::scenarioPath("xp-x64.json"));
    scenario.machine.wow64Redirection = false;
    DetailsFixture f(scenario);
    AdapterInfo info = boundTo("nvzlx", "0007");
    EXPECT_TRUE(gatherDriverFile(f.context(), info));
    EXPECT_EQ(info.driverFileDate, "18 Mar 2025 09:41:26");
    // Nothing was switched off, so nothing is switched back.
    EXPECT_THAT(fileCalls(f.calls()),
                ElementsAre("Wow64DisableWow64FsRedirection", "FindFirstFile",
                            "Wow64DisableWow64FsRedirection", "GetFileVersionInfo"));
}

}  // namespace
}  // namespace zlx::adapterinfo
