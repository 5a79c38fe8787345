#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim/sim_registry.h"
#include "test_support.h"

namespace zlx::sim {
namespace {

using testing::scenarioFrom;

constexpr const char* kRegistry = R"({"registry": [
  {"key": "HKLM\\Software\\Norvane\\Pelorn",
   "values": {"InstallPath": "C:\\Program Files\\Norvane\\", "Count": 7,
              "Path": {"expandSz": "%SystemRoot%\\x"}, "List": {"multiSz": ["a", "bc"]},
              "Blob": {"binary": "01 02 03"}, "Odd": {"raw": "41 00 42", "type": 1},
              "Flags": {"dword": "0x80000001"}}},
  {"key": "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\nvzlx",
   "values": {"ImagePath": "system32\\DRIVERS\\nvzlx64.sys"}},
  {"key": "HKLM\\SYSTEM\\CurrentControlSet\\Services\\Alpha"},
  {"key": "HKLM\\Software\\Locked", "readOnly": true, "values": {"": "default"}}
]})";

class SimRegistryTest : public ::testing::Test {
  protected:
    SimRegistryTest() : registry_(scenarioFrom(kRegistry).registry, log_) {}

    RegKey open(const std::string& path, std::uint32_t access = kKeyRead) {
        RegKey key = kNoRegKey;
        EXPECT_EQ(registry_.openKey(kHkeyLocalMachine, path, access, key), kErrorSuccess) << path;
        return key;
    }

    // The two-call protocol of RegQueryValueExW: ask the size, then read.
    std::vector<std::uint8_t> read(RegKey key, const std::string& name, std::uint32_t& type) {
        std::vector<std::uint8_t> data;
        std::uint32_t size = 0;
        EXPECT_EQ(registry_.queryValue(key, name, 0, type, data, size), kErrorMoreData) << name;
        EXPECT_TRUE(data.empty());
        std::uint32_t needed = size;
        EXPECT_EQ(registry_.queryValue(key, name, needed, type, data, size), kErrorSuccess);
        EXPECT_EQ(size, needed);
        return data;
    }

    CallLog log_;
    SimRegistry registry_;
};

TEST_F(SimRegistryTest, StringValueTakesTwoCalls) {
    RegKey key = open("Software\\Norvane\\Pelorn");
    std::uint32_t type = 0;
    auto data = read(key, "InstallPath", type);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(data, utf16leBytes("C:\\Program Files\\Norvane\\", true));
    EXPECT_THAT(log_.all(),
                ::testing::ElementsAre(
                    "RegOpenKeyEx(HKLM\\Software\\Norvane\\Pelorn, access=0x20019) -> 0",
                    "RegQueryValueEx(HKLM\\Software\\Norvane\\Pelorn, \"InstallPath\", size=0) "
                    "-> 234 needed=52",
                    "RegQueryValueEx(HKLM\\Software\\Norvane\\Pelorn, \"InstallPath\", size=52) "
                    "-> 0 type=1 bytes=52"));
}

struct ValueCase {
    const char* name;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
};

class RegistryValueTest : public SimRegistryTest,
                          public ::testing::WithParamInterface<ValueCase> {};

TEST_P(RegistryValueTest, IsStoredAsWindowsStoresIt) {
    RegKey key = open("software\\NORVANE\\pelorn");
    std::uint32_t type = 0;
    EXPECT_EQ(read(key, GetParam().name, type), GetParam().data);
    EXPECT_EQ(type, GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(
    Types, RegistryValueTest,
    ::testing::Values(ValueCase{"Count", kRegDword, {7, 0, 0, 0}},
                      ValueCase{"flags", kRegDword, {1, 0, 0, 0x80}},
                      ValueCase{"Path", kRegExpandSz, utf16leBytes("%SystemRoot%\\x", true)},
                      ValueCase{"List", kRegMultiSz, {'a', 0, 0, 0, 'b', 0, 'c', 0, 0, 0, 0, 0}},
                      ValueCase{"Blob", kRegBinary, {1, 2, 3}},
                      ValueCase{"Odd", kRegSz, {0x41, 0x00, 0x42}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimRegistryTest, MissingKeyAndValue) {
    RegKey key = 123;
    EXPECT_EQ(registry_.openKey(kHkeyLocalMachine, "Software\\Nobody", kKeyRead, key),
              kErrorFileNotFound);
    EXPECT_EQ(key, kNoRegKey);
    std::uint32_t type = 0, size = 0;
    std::vector<std::uint8_t> data;
    EXPECT_EQ(
        registry_.queryValue(open("Software\\Norvane\\Pelorn"), "Nothing", 1024, type, data, size),
        kErrorFileNotFound);
}

TEST_F(SimRegistryTest, ParentsOfListedKeysExistAndOpenRelatively) {
    RegKey services = open("SYSTEM\\CurrentControlSet\\Services");
    RegKey nvzlx = kNoRegKey;
    ASSERT_EQ(registry_.openKey(services, "NVZLX", kKeyRead, nvzlx), kErrorSuccess);
    std::uint32_t type = 0;
    EXPECT_EQ(read(nvzlx, "ImagePath", type), utf16leBytes("system32\\DRIVERS\\nvzlx64.sys", true));
}

TEST_F(SimRegistryTest, SubkeysAreListedInCaseInsensitiveOrder) {
    RegKey services = open("SYSTEM\\CurrentControlSet\\Services");
    std::string name;
    EXPECT_EQ(registry_.enumKey(services, 0, name), kErrorSuccess);
    EXPECT_EQ(name, "Alpha");
    EXPECT_EQ(registry_.enumKey(services, 1, name), kErrorSuccess);
    EXPECT_EQ(name, "nvzlx");
    EXPECT_EQ(registry_.enumKey(services, 2, name), kErrorNoMoreItems);
    EXPECT_EQ(registry_.enumKey(kHkeyLocalMachine, 0, name), kErrorSuccess);
    EXPECT_EQ(name, "Software");
}

TEST_F(SimRegistryTest, ReadOnlyKeyRefusesFullAccessButNotReading) {
    RegKey key = kNoRegKey;
    EXPECT_EQ(registry_.openKey(kHkeyLocalMachine, "Software\\Locked", kKeyAllAccess, key),
              kErrorAccessDenied);
    RegKey readable = open("Software\\Locked", kKeyRead | 0x100);
    std::uint32_t type = 0;
    EXPECT_EQ(read(readable, "", type), utf16leBytes("default", true));
}

TEST_F(SimRegistryTest, KeysCloseOnceAndUnknownHandlesAreRefused) {
    RegKey key = open("Software\\Norvane");
    EXPECT_EQ(registry_.openKeys(), 1u);
    EXPECT_EQ(registry_.closeKey(key), kErrorSuccess);
    EXPECT_EQ(registry_.closeKey(key), kErrorInvalidHandle);
    EXPECT_EQ(registry_.openKeys(), 0u);
    RegKey child = kNoRegKey;
    EXPECT_EQ(registry_.openKey(key, "Pelorn", kKeyRead, child), kErrorInvalidHandle);
    std::uint32_t type = 0, size = 0;
    std::vector<std::uint8_t> data;
    EXPECT_EQ(registry_.queryValue(key, "InstallPath", 100, type, data, size), kErrorInvalidHandle);
}

}  // namespace
}  // namespace zlx::sim
