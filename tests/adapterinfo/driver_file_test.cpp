#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "adapterinfo/driver_file.h"
#include "details_fixture.h"

namespace zlx::adapterinfo {
namespace {

using testing::DetailsFixture;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* kClassKey =
    R"("HKLM\\SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007")";

AdapterInfo boundTo(const std::string& service, const std::string& instance = "0007") {
    AdapterInfo info;
    info.serviceName = service;
    info.driverInstance = instance;
    return info;
}

TEST(ImagePath, RelativeAndAbsoluteFormsNameTheFile) {
    const char* file = "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys";
    for (std::string value :
         {"system32\\DRIVERS\\nvzlx64.sys", "\\SystemRoot\\system32\\DRIVERS\\nvzlx64.sys",
          "\\systemroot\\system32\\DRIVERS\\nvzlx64.sys",
          "%SystemRoot%\\system32\\DRIVERS\\nvzlx64.sys",
          "%windir%\\system32\\DRIVERS\\nvzlx64.sys",
          "\\??\\C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys", file})
        EXPECT_EQ(driverImagePath("C:\\Windows", value), file) << value;
}

TEST(SystemDirectory, ComparesTheBeginningIgnoringCase) {
    auto f = DetailsFixture::fromJson(R"({"folders": {"system": "C:\\WINDOWS\\system32"}})");
    platform::Folders& folders = f.machine().folders();
    EXPECT_TRUE(isInSystemDirectory(folders, "C:\\windows\\SYSTEM32\\drivers\\x.sys"));
    EXPECT_FALSE(isInSystemDirectory(folders, "C:\\WINDOWS\\system"));
    EXPECT_FALSE(isInSystemDirectory(folders, "C:\\WINDOWS\\SysWOW64\\drivers\\x.sys"));
}

TEST(FileDate, LocalTimeOfTheMachineWithCLocaleMonthNames) {
    struct Case {
        int offsetMinutes;
        std::int64_t utc;
        const char* text;
    } cases[] = {
        {0, 1742290886, "18 Mar 2025 09:41:26"},  {-300, 1742290886, "18 Mar 2025 04:41:26"},
        {60, 1735689599, "01 Jan 2025 00:59:59"}, {0, -1, ""},
        {0, 32535215999, "31 Dec 3000 23:59:59"}, {0, 32535216000, ""},
    };
    for (const Case& c : cases) {
        auto f = DetailsFixture::fromJson(R"({"machine": {"timeZoneOffsetMinutes": )" +
                                          std::to_string(c.offsetMinutes) + "}}");
        EXPECT_EQ(formatFileDate(f.machine().system(), c.utc), c.text) << c.utc;
    }
    EXPECT_EQ(unixSecondsOf(116444736009999999ull), 0);  // whole seconds since 1970
}

TEST(NetCfgInstanceId, AReadOnlyKeyIsOpenedForReading) {
    auto f =
        DetailsFixture::fromJson(std::string(R"({"registry": [{"key": )") + kClassKey +
                                 R"(, "readOnly": true, "values": {"NetCfgInstanceId": "{G}"}}]})");
    AdapterInfo info = boundTo("nvzlx");
    readNetCfgInstanceId(f.context(), info);
    EXPECT_EQ(info.netCfgInstanceId, "{G}");
    auto calls = f.calls();
    ASSERT_EQ(calls.size(), 4u);  // open, open, query, close
    EXPECT_THAT(calls[0], HasSubstr("access=0xF003F) -> 5"));
    EXPECT_THAT(calls[1], HasSubstr("access=0x20019) -> 0"));
    info = boundTo("nvzlx", "");
    readNetCfgInstanceId(f.context(), info);
    EXPECT_TRUE(f.calls().empty());
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
    };
    for (const Case& c : cases) {
        auto f =
            DetailsFixture::fromJson(std::string(R"({"registry": [{"key": )") + kClassKey +
                                     R"(, "values": {"NetCfgInstanceId": )" + c.value + "}}]}");
        AdapterInfo info = boundTo("nvzlx");
        readNetCfgInstanceId(f.context(), info);
        EXPECT_EQ(info.netCfgInstanceId, c.expected) << c.value;
    }
}

struct FileCase {
    const char* name;
    const char* imagePath;
    const char* files;
    const char* path;
    const char* date;
    const char* version;
};

void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.name;
}

class DriverFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(DriverFileTest, PathDateAndVersion) {
    const FileCase& c = GetParam();
    auto f = DetailsFixture::fromJson(
        std::string(R"({"registry": [{"key": "HKLM\\SYSTEM\\CurrentControlSet\\Services\\nvzlx",
        "values": {"ImagePath": )") +
        c.imagePath + R"(}}], "files": )" + c.files + "}");
    AdapterInfo info = boundTo("nvzlx");
    EXPECT_EQ(gatherDriverFile(f.context(), info), *c.version != '\0');
    EXPECT_EQ(info.driverPath, c.path);
    EXPECT_EQ(info.driverFileDate, c.date);
    // The same date in ISO 8601 is there exactly when the date is.
    EXPECT_EQ(info.driverFileLastWrite.empty(), *c.date == '\0');
    EXPECT_EQ(info.driverFileVersion, c.version);
    EXPECT_EQ(f.machine().openRegistryKeys(), 0u);
}

constexpr const char* kFile = R"([{"path": "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys",
    "lastWrite": "2024-11-05 17:03:09", "version": "2.0.5.1234"}])";

INSTANTIATE_TEST_SUITE_P(
    ImagePaths, DriverFileTest,
    ::testing::Values(FileCase{"Relative", R"("system32\\DRIVERS\\nvzlx64.sys")", kFile,
                               "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys",
                               "05 Nov 2024 17:03:09", "2.0.5.1234"},
                      FileCase{"Expandable",
                               R"({"expandSz": "\\SystemRoot\\system32\\DRIVERS\\nvzlx64.sys"})",
                               kFile, "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys",
                               "05 Nov 2024 17:03:09", "2.0.5.1234"},
                      FileCase{"NoVersion", R"("system32\\DRIVERS\\nvzlx64.sys")",
                               R"([{"path": "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys",
                      "lastWrite": "2024-11-05 17:03:09"}])",
                               "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys",
                               "05 Nov 2024 17:03:09", ""},
                      FileCase{"Missing", R"("system32\\DRIVERS\\nvzlx64.sys")", "[]",
                               "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys", "", ""},
                      FileCase{"AFolderIsNoDriver", R"("system32\\DRIVERS")", kFile,
                               "C:\\Windows\\system32\\DRIVERS", "", ""},
                      FileCase{"Empty", R"("")", kFile, "", "", ""},
                      FileCase{"NotAString", R"({"dword": 1})", kFile, "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DriverFile, NoServiceKeyNoPath) {
    auto f = DetailsFixture::shipped("default.json");
    for (const char* service : {"", "?", "nvzlx2"}) {
        AdapterInfo info = boundTo(service);
        EXPECT_FALSE(gatherDriverFile(f.context(), info));
        EXPECT_EQ(info.driverPath, "") << service;
    }
}

// Only the calls about files and redirection, in order.
std::vector<std::string> fileCalls(DetailsFixture& f) {
    std::vector<std::string> out;
    for (const std::string& call : f.calls())
        if (call.rfind("Wow64", 0) == 0 || call.rfind("FindFirstFile", 0) == 0 ||
            call.rfind("GetFileVersionInfo", 0) == 0)
            out.push_back(call.substr(0, call.find('(')));
    return out;
}

TEST(Redirection, SwitchedOffAroundEachAccessOnXpX64BelowTheSystemDirectory) {
    auto f = DetailsFixture::shipped("xp-x64.json");
    AdapterInfo info = boundTo("nvzlx");
    EXPECT_TRUE(gatherDriverFile(f.context(), info));
    EXPECT_EQ(info.driverPath, "C:\\WINDOWS\\System32\\DRIVERS\\nvzlx64.sys");
    EXPECT_THAT(fileCalls(f),
                ElementsAre("Wow64DisableWow64FsRedirection", "FindFirstFile",
                            "Wow64RevertWow64FsRedirection", "Wow64DisableWow64FsRedirection",
                            "GetFileVersionInfo", "Wow64RevertWow64FsRedirection"));
    std::string text;
    platform::FileVersion parts;
    readFileVersion(f.context(), "C:\\Program Files\\Norvane\\nvzlx64.sys", text, parts);
    EXPECT_THAT(fileCalls(f), ElementsAre("GetFileVersionInfo"));
}

TEST(Redirection, LeftAloneOnEveryOtherSystem) {
    for (const char* scenario : {"default.json", "xp-sp1.json", "unknown-windows-version.json"}) {
        auto f = DetailsFixture::shipped(scenario);
        AdapterInfo info = boundTo("nvzlx");
        EXPECT_TRUE(gatherDriverFile(f.context(), info)) << scenario;
        EXPECT_THAT(fileCalls(f), ElementsAre("FindFirstFile", "GetFileVersionInfo")) << scenario;
    }
}

TEST(Redirection, WithoutTheSwitchFunctionsTheFileIsReadAllTheSame) {
    auto scenario = sim::loadScenarioFile(testing::scenarioPath("xp-x64.json"));
    scenario.machine.wow64Redirection = false;
    DetailsFixture f(scenario);
    AdapterInfo info = boundTo("nvzlx");
    EXPECT_TRUE(gatherDriverFile(f.context(), info));
    EXPECT_EQ(info.driverFileDate, "18 Mar 2025 09:41:26");
    // Nothing was switched off, so nothing is switched back.
    EXPECT_THAT(fileCalls(f), ElementsAre("Wow64DisableWow64FsRedirection", "FindFirstFile",
                                          "Wow64DisableWow64FsRedirection", "GetFileVersionInfo"));
}

}  // namespace
}  // namespace zlx::adapterinfo
