// The platform's contract: the same cases against the simulated services (on Linux, from
// machine.json) and against the Win32 services (under Wine, in a prefix that zlx-materialise
// seeded from the same machine.json). Each case states what Windows does; both sides must do it.

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/text.h"
#include "platform/wlan_types.h"
#include "sim/scenario.h"
#ifdef _WIN32
#include <windows.h>

#include "platform/win32/devices.h"
#include "platform/win32/ip_helper.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_wlan.h"
#else
#include "sim/sim_machine.h"
#endif

namespace zlx::platform {
namespace {

const sim::Scenario& machine() {
    static const sim::Scenario scenario = sim::loadScenarioFile(CONTRACT_MACHINE);
    return scenario;
}

// The services under test: the Win32 ones on Windows, the simulated machine elsewhere.
struct Services {
#ifdef _WIN32
    win32::Win32Registry registryService;
    win32::Win32FileSystem fileService;
    win32::Win32Folders folderService;
    win32::Win32SystemInfo systemService;
    win32::Win32CodePages codePageService;
    win32::Win32Rpc rpcService;
    win32::Win32DeviceManager deviceService;
    win32::Win32HelpDisplay helpService;
    Registry& registry = registryService;
    FileSystem& files = fileService;
    Folders& folders = folderService;
    SystemInfo& system = systemService;
    CodePages& codePages = codePageService;
    Rpc& rpc = rpcService;
    DeviceManager& devices = deviceService;
    HelpDisplay& help = helpService;
    win32::Win32Wlan wlanService;
    win32::Win32IpHelper ipHelperService;
    WlanApi& wlan = wlanService;
    IpHelper& ipHelper = ipHelperService;

    // The service runs on its own: its events come in real time.
    void letTimePass() {}
    // What the stand-in wlanapi.dll behind the Win32 service counts.
    long answersNotFreed() {
        return standIn<LONG WINAPI()>("ZlxStandInOutstandingAnswers");
    }
    long openWlanHandles() {
        return standIn<LONG WINAPI()>("ZlxStandInOpenHandles");
    }
    template <typename Function>
    long standIn(const char* name) {
        auto* count = reinterpret_cast<Function*>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"wlanapi.dll"), name)));
        return count == nullptr ? -1 : count();
    }
#else
    ManualClock clock;
    sim::SimMachine sim{machine(), clock};
    Registry& registry = sim.registry();
    FileSystem& files = sim.files();
    Folders& folders = sim.folders();
    SystemInfo& system = sim.system();
    CodePages& codePages = sim.codePages();
    Rpc& rpc = sim.rpc();
    DeviceManager& devices = sim.devices();
    HelpDisplay& help = sim.help();
    WlanApi& wlan = sim.wlan();
    IpHelper& ipHelper = sim.ipHelper();

    void letTimePass() {
        clock.advanceTo(clock.now() + 1, [this] { clock.waitForQuiet(); });
    }
    // Answers come back in vectors: there is nothing to free by hand.
    long answersNotFreed() {
        return 0;
    }
    long openWlanHandles() {
        return static_cast<long>(sim.openWlanHandles());
    }
#endif
};

class ContractTest : public ::testing::Test {
  protected:
    Services s;
};

const sim::FileEntry& fileOf(const std::string& path) {
    for (const sim::FileEntry& f : machine().files)
        if (f.path == path) return f;
    throw std::invalid_argument("not in machine.json: " + path);
}

std::vector<std::uint8_t> sz(const std::string& text) {
    return utf16leBytes(text, true);
}

TEST_F(ContractTest, RegistryValuesKeepTheirTypesBytesAndTheSizeProtocol) {
    const std::string key = "Software\\ZlxContract";
    const std::string longText =
        "0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz";
    struct Case {
        std::string subKey, value;
        std::uint32_t bufferSize;
        std::int32_t result;
        std::uint32_t type;
        std::uint32_t size;  // the value's size, or the size needed on 234
        std::vector<std::uint8_t> data;
    };
    const Case cases[] = {
        {key, "InstallPath", 1024, 0, kRegSz, 50, sz("C:\\Program Files\\Norvane")},
        {key, "installpath", 1024, 0, kRegSz, 50, sz("C:\\Program Files\\Norvane")},
        {key, "Long", 64, kErrorMoreData, kRegSz, 146, {}},
        {key, "Long", 146, 0, kRegSz, 146, sz(longText)},
        {key, "Long", 0, kErrorMoreData, kRegSz, 146, {}},
        {key, "ImagePath", 1024, 0, kRegExpandSz, 84,
         sz("%SystemRoot%\\system32\\DRIVERS\\nvzlx64.sys")},
        {key, "Start", 4, 0, kRegDword, 4, {3, 0, 0, 0}},
        {key, "Empty", 16, 0, kRegSz, 2, {0, 0}},
        {key, "Missing", 1024, kErrorFileNotFound, 0, 0, {}},
        {key + "\\Alpha", "Name", 1024, 0, kRegSz, 14, sz("Ä Ω 日本")},
        {key + "\\ALPHA", "Name", 1024, 0, kRegSz, 14, sz("Ä Ω 日本")},
        {key + "\\Missing", "Name", 1024, kErrorFileNotFound, 0, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.subKey + " " + c.value + " size " + std::to_string(c.bufferSize));
        RegKey opened = kNoRegKey;
        std::int32_t open = s.registry.openKey(kHkeyLocalMachine, c.subKey, kKeyRead, opened);
        if (open != 0) {
            EXPECT_EQ(open, c.result);
            continue;
        }
        std::uint32_t type = 0, size = 0;
        std::vector<std::uint8_t> data;
        EXPECT_EQ(s.registry.queryValue(opened, c.value, c.bufferSize, type, data, size), c.result);
        if (c.result == 0 || c.result == kErrorMoreData) {
            EXPECT_EQ(type, c.type);
            EXPECT_EQ(size, c.size);
        }
        EXPECT_EQ(data, c.data);
        EXPECT_EQ(s.registry.closeKey(opened), 0);
    }
}

TEST_F(ContractTest, SubkeysAreListedInNameOrderIgnoringCaseThenNoMoreItems) {
    RegKey key = kNoRegKey;
    ASSERT_EQ(s.registry.openKey(kHkeyLocalMachine, "SOFTWARE\\ZlxContract", kKeyRead, key), 0);
    std::vector<std::string> names;
    std::string name;
    std::int32_t result = 0;
    for (std::uint32_t i = 0; (result = s.registry.enumKey(key, i, name)) == 0; ++i)
        names.push_back(name);
    EXPECT_EQ(result, kErrorNoMoreItems);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta", "Gamma"}));
    s.registry.closeKey(key);
}

TEST_F(ContractTest, FindFileTellsAMissingFileFromAMissingFolder) {
    const sim::FileEntry& driver = fileOf("C:\\zlx-contract\\DRIVERS\\nvzlx64.sys");
    const sim::FileEntry& readme = fileOf("C:\\zlx-contract\\readme.txt");
    struct Case {
        std::string path;
        Win32Error result;
        std::string name = {};
        bool directory = false;
        std::uint64_t size = 0;
        FileTime lastWrite = 0;  // not compared when 0 (a folder's is when it was made)
    };
    const Case cases[] = {
        {driver.path, 0, "nvzlx64.sys", false, driver.size, driver.lastWrite},
        {"c:\\ZLX-CONTRACT\\readme.txt", 0, "readme.txt", false, readme.size, readme.lastWrite},
        {"C:\\zlx-contract\\Help", 0, "Help", true, 0, 0},
        {"C:\\zlx-contract\\missing.txt", kErrorFileNotFound},
        {"C:\\zlx-contract\\DRIVERS\\nvzlx32.sys", kErrorFileNotFound},
        {"C:\\zlx-contract\\Missing\\nvzlx64.sys", kErrorPathNotFound},
        {"C:\\zlx-contract\\*.txt", kErrorFileNotFound},
        {"C:\\zlx-contract\\Missing\\*", kErrorPathNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        FindData found;
        ASSERT_EQ(s.files.findFile(c.path, found), c.result);
        if (c.result != 0) continue;
        EXPECT_EQ(found.name, c.name);
        EXPECT_EQ(found.directory, c.directory);
        EXPECT_EQ(found.size, c.size);
        if (c.lastWrite != 0) {
            EXPECT_EQ(found.lastWrite, c.lastWrite);
        }
    }
}

TEST_F(ContractTest, FileVersionsAndContents) {
    FileVersion version;
    ASSERT_EQ(s.files.fileVersion("C:\\zlx-contract\\DRIVERS\\nvzlx64.sys", version), 0);
    EXPECT_EQ(std::vector<int>({version.major, version.minor, version.build, version.revision}),
              std::vector<int>({3, 2, 0, 117}));
    EXPECT_EQ(s.files.fileVersion("C:\\zlx-contract\\DRIVERS\\missing.sys", version),
              kErrorFileNotFound);
    EXPECT_EQ(s.files.fileVersion("C:\\zlx-contract\\Missing\\missing.sys", version),
              kErrorPathNotFound);
    std::string bytes;
    ASSERT_EQ(s.files.readFile("C:\\zlx-contract\\readme.txt", bytes), 0);
    EXPECT_EQ(bytes, "contract\r\n");
    EXPECT_EQ(s.files.readFile("C:\\zlx-contract\\missing.txt", bytes), kErrorFileNotFound);
}

TEST_F(ContractTest, FoldersAreTheMachines) {
    const sim::FoldersScenario& expected = machine().folders;
    std::string path;
    EXPECT_EQ(s.folders.knownFolderPath(KnownFolder::ProgramFiles, path), 0);
    EXPECT_EQ(path, expected.programFiles);
    EXPECT_EQ(s.folders.windowsDirectory(path), 0);
    EXPECT_EQ(toLowerAscii(path), toLowerAscii(expected.windows));
    EXPECT_EQ(s.folders.systemDirectory(path), 0);
    EXPECT_EQ(toLowerAscii(path), toLowerAscii(expected.system));
    EXPECT_EQ(s.folders.allUsersProfileDirectory(path), 0);
    EXPECT_EQ(path, expected.allUsersProfile);
}

TEST_F(ContractTest, SystemFacts) {
    const sim::MachineScenario& expected = machine().machine;
    OsVersionInfo version;
    ASSERT_TRUE(s.system.versionEx(version));
    const OsVersionInfo& os = expected.osVersion.info;
    // Not the product type: Wine's Windows 7 says 3 (a server), whatever the prefix says.
    EXPECT_EQ(
        std::vector<std::uint32_t>({version.major, version.minor, version.build, version.platformId,
                                    version.servicePackMajor, version.servicePackMinor}),
        std::vector<std::uint32_t>({os.major, os.minor, os.build, os.platformId,
                                    os.servicePackMajor, os.servicePackMinor}));
    EXPECT_EQ(version.servicePack, os.servicePack);
    ASSERT_TRUE(s.system.versionBasic(version));
    EXPECT_EQ(version.build, os.build);
    EXPECT_EQ(version.productType, 0) << "the basic record has no product type";
    EXPECT_EQ(s.system.processorArchitecture(), expected.processorArchitecture);
    EXPECT_EQ(s.system.defaultLangId(), expected.languageId);

    // Wine names the machine after its host, so the names are checked against each other: the
    // NetBIOS name is the host name's first label in capitals, cut to 15 characters.
    std::string netBios, dns, full;
    ASSERT_TRUE(s.system.computerName(kComputerNameNetBios, netBios));
    ASSERT_TRUE(s.system.computerName(kComputerNameDnsHostname, dns));
    ASSERT_TRUE(s.system.computerName(kComputerNameDnsFullyQualified, full));
    EXPECT_FALSE(dns.empty());
    std::string label = dns.substr(0, std::min<std::size_t>(dns.find('.'), 15));
    std::transform(label.begin(), label.end(), label.begin(), ::toupper);
    EXPECT_EQ(netBios, label);
    EXPECT_EQ(full.substr(0, dns.size()), dns);

    std::tm local{};
    ASSERT_TRUE(s.system.localTimeOf(1742290886, local));  // 2025-03-18 09:41:26 UTC
    EXPECT_EQ(local.tm_hour * 60 + local.tm_min, 9 * 60 + 41 + expected.timeZoneOffsetMinutes);
    EXPECT_EQ(local.tm_year, 125);
    EXPECT_FALSE(s.system.localTimeOf(-1, local));
}

TEST_F(ContractTest, CodePagesConvertAsciiUnchanged) {
    // The simulated machine's code pages are UTF-8; a Windows machine's are not, so only text
    // every code page spells alike is the contract. The Win32 side's own code pages are tested
    // beside it.
    const std::string text = "ZLX-Office 192.168.10.1 \r\n[]{}~";
    EXPECT_EQ(s.codePages.ansiToUtf8(text), text);
    EXPECT_EQ(s.codePages.utf8ToAnsi(text), text);
    EXPECT_EQ(s.codePages.oemToUtf8(text), text);
    EXPECT_EQ(s.codePages.ansiToUtf8(""), "");
}

TEST_F(ContractTest, GuidTextIsLowerCaseBothWaysAndBadTextIsRefused) {
    Guid guid;
    ASSERT_TRUE(parseGuid("3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c", guid));
    std::string text;
    EXPECT_EQ(s.rpc.uuidToString(guid, text), 0);
    EXPECT_EQ(text, "3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c");
    struct Case {
        std::string text;
        Win32Error result;
    };
    const Case cases[] = {
        {"3F2A6C1E-8B4D-4E7A-9C15-2D7E8F0A1B3C", 0},
        {"3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c", 0},
        {"{3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c}", kRpcSInvalidStringUuid},
        {"3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3", kRpcSInvalidStringUuid},
        {"3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3g", kRpcSInvalidStringUuid},
        {"3f2a6c1e+8b4d-4e7a-9c15-2d7e8f0a1b3c", kRpcSInvalidStringUuid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Guid parsed;
        EXPECT_EQ(s.rpc.uuidFromString(c.text, parsed), c.result);
        if (c.result == 0) {
            EXPECT_EQ(parsed, guid);
        }
    }
}

TEST_F(ContractTest, NetworkDevicesWithTheirPropertiesAndTheMissingOnes) {
    std::vector<NetworkDevice> devices;
    ASSERT_EQ(s.devices.networkDevices(devices), 0);
    for (const NetworkDevice& expected : machine().devices) {
        SCOPED_TRACE(expected.instanceId);
        auto it = std::find_if(devices.begin(), devices.end(), [&](const NetworkDevice& d) {
            return toLowerAscii(d.instanceId) == toLowerAscii(expected.instanceId);
        });
        ASSERT_NE(it, devices.end());
        EXPECT_EQ(it->hardwareIds, expected.hardwareIds);
        EXPECT_EQ(it->description, expected.description);
        EXPECT_EQ(it->friendlyName, expected.friendlyName);
        EXPECT_EQ(it->driverKey, expected.driverKey);
        EXPECT_EQ(it->service, expected.service);
        EXPECT_EQ(it->missingProperties, expected.missingProperties);
        EXPECT_TRUE(it->present);
    }
}

const Guid& interfaceGuid() {
    return machine().wlan.interfaces.at(0).guid;
}

// Every answer of the service is freed (WlanFreeMemory) and every handle closed, whatever the
// call answered.
TEST_F(ContractTest, NativeWifiAnswersAreCopiedAndFreed) {
    std::uint32_t negotiated = 0;
    WlanHandle handle = kNoWlanHandle;
    ASSERT_EQ(s.wlan.openHandle(2, negotiated, handle), 0);
    EXPECT_EQ(negotiated, 2u);

    std::vector<WlanInterfaceInfo> interfaces;
    ASSERT_EQ(s.wlan.enumInterfaces(handle, interfaces), 0);
    ASSERT_EQ(interfaces.size(), 1u);
    EXPECT_EQ(interfaces[0].guid, interfaceGuid());
    EXPECT_EQ(interfaces[0].description, "Norvane ZLX 802.11n Wireless Adapter \xC3\x84");
    EXPECT_EQ(interfaces[0].state, kWlanStateConnected);

    // WLAN_CONNECTION_ATTRIBUTES in the x64 layout: the profile name in UTF-16 at byte 8.
    std::vector<std::uint8_t> data;
    std::uint32_t valueType = 0;
    ASSERT_EQ(s.wlan.queryInterface(handle, interfaceGuid(), kWlanOpcodeCurrentConnection, data,
                                    valueType),
              0);
    ASSERT_EQ(data.size(), 604u);
    std::vector<std::uint8_t> profileName = utf16leBytes("ZLX Office", true);
    EXPECT_TRUE(std::equal(profileName.begin(), profileName.end(), data.begin() + 8));

    std::vector<WlanProfileInfo> profiles;
    ASSERT_EQ(s.wlan.getProfileList(handle, interfaceGuid(), profiles), 0);
    ASSERT_EQ(profiles.size(), 2u);
    EXPECT_EQ(profiles[1].name, "Caf\xC3\xA9");
    EXPECT_EQ(profiles[1].flags, 2u);
    const struct {
        std::string name;
        Win32Error result;
        std::string xml;
    } cases[] = {
        {"Caf\xC3\xA9", 0, "<WLANProfile><name>Caf\xC3\xA9</name></WLANProfile>"},
        {"Missing", kErrorNotFound, ""},
    };
    for (const auto& c : cases) {
        std::string xml;
        EXPECT_EQ(s.wlan.getProfile(handle, interfaceGuid(), c.name, xml), c.result) << c.name;
        EXPECT_EQ(xml, c.xml) << c.name;
    }

    EXPECT_EQ(s.wlan.closeHandle(handle), 0);
    EXPECT_EQ(s.wlan.enumInterfaces(handle, interfaces), kErrorInvalidHandle);
    EXPECT_EQ(s.answersNotFreed(), 0);
    EXPECT_EQ(s.openWlanHandles(), 0);
}

// The IHV service answers an enter request with its scripted event, as a notification on the
// service's own thread.
TEST_F(ContractTest, AnIhvNotificationArrivesOnTheServicesThread) {
    std::uint32_t negotiated = 0;
    WlanHandle handle = kNoWlanHandle;
    ASSERT_EQ(s.wlan.openHandle(2, negotiated, handle), 0);
    std::mutex mutex;
    std::condition_variable arrived;
    std::optional<WlanNotification> received;
    std::thread::id deliveredOn;
    ASSERT_EQ(s.wlan.registerNotification(handle, kWlanNotificationSourceIhv,
                                          [&](const WlanNotification& notification) {
                                              std::lock_guard lock(mutex);
                                              if (received) return;
                                              received = notification;
                                              deliveredOn = std::this_thread::get_id();
                                              arrived.notify_all();
                                          }),
              0);
    // The service control message: operation 0 (enter) at byte 4, the profile name at byte 8.
    std::vector<std::uint8_t> enter(264, 0);
    std::vector<std::uint8_t> name = utf16leBytes("ZLX Office", false);
    std::copy(name.begin(), name.end(), enter.begin() + 8);
    std::uint32_t returned = 1;
    EXPECT_EQ(
        s.wlan.ihvControl(handle, interfaceGuid(), kWlanIhvControlService, enter, {}, returned), 0);
    EXPECT_EQ(returned, 0u);
    s.letTimePass();
    {
        std::unique_lock lock(mutex);
        arrived.wait(lock, [&] { return received.has_value(); });
    }
    EXPECT_EQ(received->source, kWlanNotificationSourceIhv);
    EXPECT_EQ(received->code, 0u);
    EXPECT_EQ(received->interfaceGuid, interfaceGuid());
    EXPECT_EQ(received->data, (std::vector<std::uint8_t>{0, 0, 0, 0x80, 7, 0, 0, 0}));
    EXPECT_NE(deliveredOn, std::this_thread::get_id());
    EXPECT_EQ(s.wlan.registerNotification(handle, kWlanNotificationSourceNone, {}), 0);
    EXPECT_EQ(s.wlan.closeHandle(handle), 0);
    EXPECT_EQ(s.openWlanHandles(), 0);
}

// Each table is asked for twice: with no buffer for the size it needs, then with that size.
TEST_F(ContractTest, IpHelperTablesTellTheSizeTheyNeedThenAnswer) {
    const sim::NetworkScenario& expected = machine().network;
    std::uint32_t needed = 0;
    std::vector<IpAdapterInfo> infos;
    ASSERT_EQ(s.ipHelper.adaptersInfo(0, needed, infos), kErrorBufferOverflow);
    EXPECT_EQ(needed, 704u);
    ASSERT_EQ(s.ipHelper.adaptersInfo(needed, needed, infos), 0);
    ASSERT_EQ(infos.size(), 1u);
    const IpAdapterInfo& info = infos[0];
    const IpAdapterInfo& infoExpected = expected.adaptersInfo[0];
    EXPECT_EQ(info.adapterName, infoExpected.adapterName);
    EXPECT_EQ(info.description, infoExpected.description);
    EXPECT_EQ(info.address, infoExpected.address);
    EXPECT_EQ(info.index, infoExpected.index);
    EXPECT_EQ(info.dhcpEnabled, 1u);
    EXPECT_EQ(info.ipAddresses, infoExpected.ipAddresses);
    EXPECT_EQ(info.ipMasks, infoExpected.ipMasks);
    EXPECT_EQ(info.gateway, infoExpected.gateway);
    EXPECT_EQ(info.dhcpServer, infoExpected.dhcpServer);

    std::vector<IfRow> rows;
    ASSERT_EQ(s.ipHelper.ifTable(0, needed, rows), kErrorInsufficientBuffer);
    EXPECT_EQ(needed, 4u + 2 * 860u);
    ASSERT_EQ(s.ipHelper.ifTable(needed, needed, rows), 0);
    ASSERT_EQ(rows.size(), 2u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const IfRow& row = expected.ifTable[i];
        EXPECT_EQ(rows[i].name, row.name);
        EXPECT_EQ(rows[i].index, row.index);
        EXPECT_EQ(rows[i].type, row.type);
        EXPECT_EQ(rows[i].physicalAddress, row.physicalAddress);
        EXPECT_EQ(rows[i].operStatus, row.operStatus);
        EXPECT_EQ(rows[i].description, row.description);
    }

    std::vector<IpAdapterAddresses> addresses;
    ASSERT_EQ(s.ipHelper.adaptersAddresses(0, needed, addresses), kErrorBufferOverflow);
    EXPECT_EQ(needed, 448u);
    ASSERT_EQ(s.ipHelper.adaptersAddresses(needed, needed, addresses), 0);
    ASSERT_EQ(addresses.size(), 1u);
    const IpAdapterAddresses& record = expected.adaptersAddresses[0];
    EXPECT_EQ(addresses[0].adapterName, record.adapterName);
    EXPECT_EQ(addresses[0].description, record.description);
    EXPECT_EQ(addresses[0].friendlyName, record.friendlyName);
    EXPECT_EQ(addresses[0].physicalAddress, record.physicalAddress);
    EXPECT_EQ(addresses[0].ifIndex, record.ifIndex);
    EXPECT_EQ(addresses[0].unicastAddresses, record.unicastAddresses);
}

TEST_F(ContractTest, HelpForAMissingFileOpensNoWindow) {
    EXPECT_FALSE(s.help.displayTopic(0, "C:\\zlx-contract\\Help\\missing.chm"));
}

}  // namespace
}  // namespace zlx::platform
