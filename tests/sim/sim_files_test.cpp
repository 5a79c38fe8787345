#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim/sim_machine.h"
#include "sim/windows_time.h"
#include "test_support.h"

namespace zlx::sim {
namespace {

using testing::scenarioFrom;

constexpr const char* kFiles = R"({
  "machine": {"localTimeStart": "2026-01-15 10:00:00", "timeZoneOffsetMinutes": 60},
  "files": [
    {"path": "C:\\Program Files\\Norvane\\Help", "directory": true},
    {"path": "C:\\Program Files\\Norvane\\help\\en-US\\PelornHelp.chm", "size": 284672},
    {"path": "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys", "size": 1843712,
     "lastWrite": "2025-03-18 09:41:26", "version": "3.2.0.117"},
    {"path": "C:\\ProgramData\\nvrtemp.txt", "content": "Reply from 192.168.10.1"}
  ]
})";

class SimFilesTest : public ::testing::Test {
  protected:
    SimFilesTest() : machine_(scenarioFrom(kFiles), clock_) {}
    ManualClock clock_;
    SimMachine machine_;
};

TEST_F(SimFilesTest, FindsFilesAndFoldersWithoutRegardToCase) {
    FindData data;
    ASSERT_EQ(machine_.files().findFile("c:\\windows\\SYSTEM32\\drivers\\NVZLX64.SYS", data),
              kErrorSuccess);
    EXPECT_EQ(data.name, "nvzlx64.sys");
    EXPECT_FALSE(data.directory);
    EXPECT_EQ(data.size, 1843712u);
    // 2025-03-18 09:41:26 local is 08:41:26 UTC.
    EXPECT_EQ(data.lastWrite, 133867608860000000u);

    ASSERT_EQ(machine_.files().findFile("C:\\Program Files\\Norvane\\Help", data), kErrorSuccess);
    EXPECT_TRUE(data.directory);
    EXPECT_EQ(data.name, "Help");
}

TEST_F(SimFilesTest, FoldersAboveAFileExistWithTheStartTime) {
    FindData data;
    ASSERT_EQ(machine_.files().findFile("C:\\Windows\\system32\\DRIVERS", data), kErrorSuccess);
    EXPECT_TRUE(data.directory);
    // 2026-01-15 10:00:00 local is 09:00:00 UTC.
    EXPECT_EQ(data.lastWrite, 134129448000000000u - 3600ull * 10000000u);
}

TEST_F(SimFilesTest, MissingFileOrMissingFolder) {
    FindData data;
    EXPECT_EQ(machine_.files().findFile("C:\\Windows\\system32\\DRIVERS\\other.sys", data),
              kErrorFileNotFound);
    EXPECT_EQ(machine_.files().findFile("C:\\nowhere.txt", data), kErrorFileNotFound);
    EXPECT_EQ(machine_.files().findFile("C:\\Nowhere\\file.txt", data), kErrorPathNotFound);
    EXPECT_EQ(machine_.files().findFile("C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys\\x", data),
              kErrorPathNotFound);
}

TEST_F(SimFilesTest, FileVersion) {
    FileVersion v;
    ASSERT_EQ(machine_.files().fileVersion("C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys", v),
              kErrorSuccess);
    EXPECT_EQ(v.major, 3);
    EXPECT_EQ(v.minor, 2);
    EXPECT_EQ(v.build, 0);
    EXPECT_EQ(v.revision, 117);
    EXPECT_EQ(machine_.files().fileVersion("C:\\ProgramData\\nvrtemp.txt", v),
              kErrorResourceTypeNotFound);
    EXPECT_EQ(machine_.files().fileVersion("C:\\Nowhere\\x.sys", v), kErrorPathNotFound);
    EXPECT_EQ(machine_.calls().all().front(),
              "GetFileVersionInfo(\"C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys\") -> 0 3.2.0.117");
}

TEST_F(SimFilesTest, ReadAndDeleteAFile) {
    std::string bytes;
    ASSERT_EQ(machine_.files().readFile("C:\\ProgramData\\NVRTEMP.TXT", bytes), kErrorSuccess);
    EXPECT_EQ(bytes, "Reply from 192.168.10.1");
    FindData data;
    ASSERT_EQ(machine_.files().findFile("C:\\ProgramData\\nvrtemp.txt", data), kErrorSuccess);
    EXPECT_EQ(data.size, bytes.size()) << "the size follows the content when not given";

    EXPECT_EQ(machine_.files().deleteFile("C:\\ProgramData\\nvrtemp.txt"), kErrorSuccess);
    EXPECT_EQ(machine_.files().readFile("C:\\ProgramData\\nvrtemp.txt", bytes), kErrorFileNotFound);
    EXPECT_EQ(machine_.files().deleteFile("C:\\ProgramData\\nvrtemp.txt"), kErrorFileNotFound);
    EXPECT_EQ(machine_.files().deleteFile("C:\\ProgramData"), kErrorAccessDenied);
}

TEST_F(SimFilesTest, RedirectionSwitchesAreRecorded) {
    EXPECT_EQ(machine_.files().disableRedirection(), kErrorSuccess);
    EXPECT_EQ(machine_.files().revertRedirection(), kErrorSuccess);
    EXPECT_THAT(machine_.calls().all(),
                ::testing::ElementsAre("Wow64DisableWow64FsRedirection() -> 0",
                                       "Wow64RevertWow64FsRedirection() -> 0"));
}

TEST(SimFiles, RedirectionMayBeMissing) {
    ManualClock clock;
    SimMachine machine(scenarioFrom(R"({"machine": {"wow64Redirection": false}})"), clock);
    EXPECT_EQ(machine.files().disableRedirection(), kErrorNotSupported);
    EXPECT_EQ(machine.files().revertRedirection(), kErrorNotSupported);
}

TEST_F(SimFilesTest, HelpOpensOnlyForAnExistingFileAfterPathNormalisation) {
    EXPECT_TRUE(
        machine_.help().displayTopic(1, "C:\\Program Files\\Norvane\\HELP\\en-us\\PelornHelp.chm"));
    EXPECT_FALSE(machine_.help().displayTopic(1, "C:\\Program Files\\Norvane\\Help"));
    EXPECT_TRUE(machine_.help().displayTopic(
        1, "C:\\Program Files\\Norvane\\\\help\\en-US\\PelornHelp.chm"));
    EXPECT_THAT(machine_.calls().all(),
                ::testing::ElementsAre(
                    "HtmlHelp(path=\"C:\\Program Files\\Norvane\\HELP\\en-us\\PelornHelp.chm\") "
                    "-> window",
                    "HtmlHelp(path=\"C:\\Program Files\\Norvane\\Help\") -> none",
                    "HtmlHelp(path=\"C:\\Program Files\\Norvane\\\\help\\en-US\\PelornHelp.chm\") "
                    "-> window"));
}

TEST(SimFolders, ReportTheScenarioFolders) {
    ManualClock clock;
    SimMachine machine(scenarioFrom(R"({"folders": {"programFiles": "D:\\Apps",
                                                     "allUsersProfile": "C:\\Users\\All"}})"),
                       clock);
    std::string path;
    EXPECT_EQ(machine.folders().knownFolderPath(KnownFolder::ProgramFiles, path), 0);
    EXPECT_EQ(path, "D:\\Apps");
    EXPECT_EQ(machine.folders().windowsDirectory(path), kErrorSuccess);
    EXPECT_EQ(path, "C:\\Windows");
    EXPECT_EQ(machine.folders().systemDirectory(path), kErrorSuccess);
    EXPECT_EQ(path, "C:\\Windows\\system32");
    EXPECT_EQ(machine.folders().allUsersProfileDirectory(path), kErrorSuccess);
    EXPECT_EQ(path, "C:\\Users\\All");
}

TEST(SimFolders, KnownFolderMayFail) {
    ManualClock clock;
    SimMachine machine(scenarioFrom(R"({"folders": {"programFilesResult": "0x80070002"}})"), clock);
    std::string path = "unchanged";
    EXPECT_EQ(machine.folders().knownFolderPath(KnownFolder::ProgramFiles, path),
              static_cast<std::int32_t>(0x80070002));
    EXPECT_EQ(path, "unchanged");
}

struct LocalTimeCase {
    const char* text;
    bool valid;
};

class LocalTimeTest : public ::testing::TestWithParam<LocalTimeCase> {};

TEST_P(LocalTimeTest, AcceptsOnlyRealDatesInTheFixedForm) {
    EXPECT_EQ(parseLocalTime(GetParam().text).has_value(), GetParam().valid) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Forms, LocalTimeTest,
                         ::testing::Values(LocalTimeCase{"2024-02-29 23:59:59", true},
                                           LocalTimeCase{"1601-01-01 00:00:00", true},
                                           LocalTimeCase{"2023-02-29 10:00:00", false},
                                           LocalTimeCase{"2024-13-01 10:00:00", false},
                                           LocalTimeCase{"2024-01-01 24:00:00", false},
                                           LocalTimeCase{"2024-01-01T10:00:00", false},
                                           LocalTimeCase{"2024-1-01 10:00:00", false},
                                           LocalTimeCase{"1600-12-31 10:00:00", false},
                                           LocalTimeCase{"", false}));

TEST(FileTime, EpochsAndOffsets) {
    std::tm unixEpoch = *parseLocalTime("1970-01-01 00:00:00");
    EXPECT_EQ(fileTimeFromLocal(unixEpoch, 0), 116444736000000000u);
    EXPECT_EQ(fileTimeFromLocal(unixEpoch, -300), 116444736000000000u + 300ull * 60 * 10000000);
    EXPECT_EQ(fileTimeFromLocal(*parseLocalTime("1601-01-01 00:00:00"), 0), 0u);
}

}  // namespace
}  // namespace zlx::sim
