#pragma once
// One simulated Windows machine as plain values: what a scenario file describes, after
// parsing and with every default filled in. The simulated services read it; tests may build
// or edit one directly.

#include <array>
#include <cstdint>
#include <ctime>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/network.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/windows_types.h"
#include "platform/wlan.h"
#include "platform/wlan_types.h"
#include "sim/link_dynamics.h"
#include "sim/ping_scenario.h"
#include "sim/platform_names.h"

namespace zlx::sim {

// A scenario that cannot be used. what() names the file, the place in it (a JSON pointer, or a
// line and column for syntax errors) and what is wrong.
class ScenarioError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kScenarioFormatVersion = 1;

struct OsVersionScenario {
    OsVersionInfo info{6, 1, 7601, 2, "Service Pack 1", 1, 0, 0x0100, 1};
    bool extendedFails = false;
    bool basicFails = false;
};

inline constexpr std::uint32_t kCodePageUtf8 = 65001;
// The single-byte code pages the machine can have besides UTF-8: Western European ANSI, and
// the OEM pages of the United States and of Western Europe.
inline constexpr std::uint32_t kSimulatedCodePages[] = {1252, 437, 850};

struct MachineScenario {
    std::uint16_t languageId = 0x0409;
    std::string netBiosName = "ZLX-LAPTOP";
    std::string dnsHostName = "zlx-laptop";
    std::string dnsDomain;  // empty: the fully qualified name is the host name
    std::uint16_t processorArchitecture = kProcessorArchitectureAmd64;
    OsVersionScenario osVersion;
    // The machine's local time at clock reading 0 (for ManualClock).
    std::tm localTimeStart = ManualClock::defaultWallStart();
    // Local time minus UTC; file times are given in local time and stored as UTC.
    std::int32_t timeZoneOffsetMinutes = 0;
    // Wow64DisableWow64FsRedirection and its partner exist.
    bool wow64Redirection = true;
    // Another program of the vendor holds kNicMutexName from clock reading 0 for this long
    // (0: nobody does).
    Millis nicMutexHeldMs = 0;
    // The code pages of narrow text (GetACP, GetOEMCP): kCodePageUtf8 or one of
    // kSimulatedCodePages.
    std::uint32_t ansiCodePage = kCodePageUtf8;
    std::uint32_t oemCodePage = kCodePageUtf8;
};

// The named mutex the vendor's programs take around a walk of the network devices.
inline constexpr const char* kNicMutexName = "NORVANE_NIC_MUTEX";

struct FoldersScenario {
    std::string programFiles = "C:\\Program Files";
    std::int32_t programFilesResult = 0;  // HRESULT of SHGetKnownFolderPath
    std::string windows = "C:\\Windows";
    std::string system = "C:\\Windows\\system32";
    std::string allUsersProfile = "C:\\ProgramData";
};

struct RegistryValue {
    std::string name;  // empty for the key's default value
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> data;  // exactly as stored
};

struct RegistryKey {
    std::string path;  // below HKEY_LOCAL_MACHINE, without the root
    std::vector<RegistryValue> values;
    // Opening with any access beyond KEY_READ is refused.
    bool readOnly = false;
};

struct FileEntry {
    std::string path;
    bool directory = false;
    std::uint64_t size = 0;
    FileTime lastWrite = 0;
    std::optional<FileVersion> version;
    std::string content;
};

struct ProfileScenario {
    std::string name;
    std::uint32_t flags = 0;
    std::string xml;
};

struct ConnectionScenario {
    // The state field is not used: the interface's state is reported, or `reportedState`.
    WlanConnectionAttributes attributes;
    std::int32_t rssi = -50;  // dBm
    // The state the attributes report when it is not the interface's: the service reads the
    // two apart, so a link that changes in between is read in the state it has reached.
    std::optional<std::uint32_t> reportedState;
};

struct QueryFailure {
    std::uint32_t opcode = 0;
    Win32Error result = 0;
};

// The packed block of the driver's link status answer.
struct LinkStatusBlock {
    std::array<std::uint8_t, 6> bssid{};
    std::uint32_t txPowerCode = 0;
    std::uint8_t channel = 0;
    std::uint32_t frequencyMhz = 0;
    std::uint32_t rawQuality = 0;
    std::uint32_t qualityPercent = 0;
    std::uint8_t mfp = 0;
    std::uint8_t wmm = 0;
    std::uint8_t shortPreamble = 0;
    std::uint64_t upTimeMs = 0;
    std::vector<std::uint32_t> phyCapabilities;  // at most 14
};

struct DriverStatistics {
    std::uint64_t encryptionErrors = 0;
    std::uint64_t rtsFrames = 0;
    std::uint64_t ctsFrames = 0;
    std::uint64_t noCtsFrames = 0;
    std::uint64_t retriedRtsFrames = 0;
    std::uint64_t framesRetried = 0;
    std::uint64_t beaconsReceived = 0;
    std::uint64_t framesReceivedWithErrors = 0;
    std::uint64_t crcErrors = 0;
    std::uint64_t apMismatches = 0;
    std::uint64_t dataRateMismatches = 0;
    std::uint64_t authenticationTimeouts = 0;
    std::uint64_t authenticationRejects = 0;
    std::uint64_t associationTimeouts = 0;
    std::uint64_t associationRejects = 0;
    std::uint64_t standardMicOk = 0;
    std::uint64_t standardMicErrors = 0;
    std::uint64_t ckipMicOk = 0;
    std::uint64_t ckipMicErrors = 0;
};

// A fixed answer for one request code, whatever the driver would otherwise say.
struct DriverOverride {
    std::uint32_t code = 0;
    Win32Error result = 0;
    std::uint32_t bytesReturned = 0;
};

// The adapter driver's answers to private requests.
struct DriverScenario {
    bool refuseAll = false;
    std::string vendorDescription;
    std::uint8_t txRate = 0;
    std::uint8_t rxRate = 0;
    std::uint16_t channelFrequencyMhz = 0;
    std::uint8_t channelNumber = 0;
    std::uint32_t wirelessModeBits = 0;
    std::array<std::uint8_t, 3> countryCode{'U', 'S', ' '};
    std::uint8_t txPower = 0;
    LinkStatusBlock linkStatus;
    DriverStatistics statistics;
    std::uint8_t powerSaveLevel = 0;
    std::vector<std::uint32_t> unsupportedCodes;
    std::vector<DriverOverride> overrides;
};

// One IHV notification the service sends, `delayMs` after the previous one of its script.
struct IhvEvent {
    Millis delayMs = 0;
    std::vector<std::uint8_t> payload;  // the notification's data
    bool raw = false;                   // payload given byte by byte, not as event words
};

struct IhvServiceScenario {
    Win32Error controlResult = 0;
    std::vector<IhvEvent> onEnter;
    std::vector<IhvEvent> onLeave;
};

struct InterfaceScenario {
    Guid guid;
    std::string description;
    std::uint32_t state = kWlanStateDisconnected;
    bool guidTextFails = false;  // UuidToStringW fails for this GUID
    // On the machine at clock reading 0; the dynamics' events take it away and bring it back.
    bool present = true;
    std::optional<ConnectionScenario> connection;
    std::vector<ProfileScenario> profiles;
    Win32Error profileListResult = 0;
    std::vector<WlanPhyRadioState> radio{WlanPhyRadioState{}};
    std::vector<QueryFailure> queryFailures;
    DriverScenario driver;
    IhvServiceScenario ihvService;
    // The interface statistics; none: defaultInterfaceStatistics().
    std::optional<WlanStatistics> statistics;
    LinkDynamics dynamics;
};

// The Native Wifi calls a scenario may give a result for (WlanScenario::callResults).
inline constexpr const char* kWlanCallNames[] = {
    "WlanOpenHandle", "WlanEnumInterfaces", "WlanQueryInterface",       "WlanGetProfileList",
    "WlanGetProfile", "WlanIhvControl",     "WlanRegisterNotification", "WlanSetSecuritySettings"};

struct WlanScenario {
    Win32Error openResult = 0;
    // Calls that answer with this result instead of their own (when their handle is open),
    // by name: a standard user's WlanIhvControl refused with ERROR_ACCESS_DENIED, for instance.
    std::map<std::string, Win32Error, std::less<>> callResults;
    std::uint32_t negotiatedVersion = 2;
    bool handleOnFailedOpen = false;
    Win32Error enumResult = 0;
    std::vector<InterfaceScenario> interfaces;
};

// What a table's size query (a call whose buffer is too small) answers instead of the size
// needed; nothing for the usual answer.
struct SizeQueryFailures {
    std::optional<Win32Error> adaptersInfo;
    std::optional<Win32Error> ifTable;
    std::optional<Win32Error> adaptersAddresses;
};

struct NetworkScenario {
    std::vector<IpAdapterInfo> adaptersInfo;
    std::vector<IfRow> ifTable;
    std::vector<IpAdapterAddresses> adaptersAddresses;
    SizeQueryFailures sizeQueryFailures;
};

struct Scenario {
    std::string name;  // where it came from, for messages
    std::string description;
    MachineScenario machine;
    FoldersScenario folders;
    std::vector<RegistryKey> registry;
    std::vector<FileEntry> files;
    WlanScenario wlan;
    NetworkScenario network;
    std::vector<NetworkDevice> devices;
    PingScenario ping;
    // The product data this machine's program uses instead of the built-in values: the
    // "product" section as JSON text, its keys and forms checked; empty when there is none.
    std::string product;
};

// `name` is used in error messages only.
Scenario parseScenario(std::string_view text, const std::string& name);
Scenario loadScenarioFile(const std::string& path);

// scenarios/default.json, built into the program.
std::string_view defaultScenarioText();
Scenario loadDefaultScenario();

}  // namespace zlx::sim
