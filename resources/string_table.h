#pragma once
// The program's string table: every user-visible text, addressed by its decimal number.
// Texts are UTF-8 and held as constant data; lookups never allocate and never fail loudly.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zlx::resources {

struct StringEntry {
    int id;
    std::string_view text;
};

// The text of string `id`, or nothing when the table has no such number.
std::optional<std::string_view> loadString(int id);

// The text of string `id`, or `fallback` when the table has no such number.
std::string stringOr(int id, std::string_view fallback);

// Every entry, sorted by id, each id once.
std::span<const StringEntry> allStrings();

// Message box texts and captions, window titles.
inline constexpr int kStrNone = 51;
inline constexpr int kStrClientModeText = 68;
inline constexpr int kStrNetworkModeText = 69;
inline constexpr int kStrDiagnosticModeWarning = 70;
inline constexpr int kStrNoZlxProfiles = 71;
inline constexpr int kStrDiagnosticsError = 72;
inline constexpr int kStrNoSuitableAdapters = 73;
inline constexpr int kStrTestCouldNotBeRun = 74;
inline constexpr int kStrCouldNotConnect = 75;
inline constexpr int kStrNotZlxProfile = 76;
inline constexpr int kStrSelectUnmarkedProfile = 77;
inline constexpr int kStrConfirmStopTests = 78;
inline constexpr int kStrDiagnosticTests = 79;
inline constexpr int kStrAllTestsComplete = 81;
inline constexpr int kStrRunning = 82;
inline constexpr int kStrAboutMenuItem = 100;
inline constexpr int kStrProgramTitle = 220;
inline constexpr int kStrHelpNotAvailable = 221;
inline constexpr int kStrWaitingForTests = 274;
inline constexpr int kStrWaitingNote = 275;
// "%s" the file, "%s" the reason.
inline constexpr int kStrLogNotSaved = 9001;
// The network test's details line when a static address has no usable subnet mask.
inline constexpr int kStrMaskNotUsable = 9002;
// The network test's details line after a ping whose output was cut (platform::kMaxPingOutput).
inline constexpr int kStrPingOutputCut = 9050;
// The window menu item that copies a status window's labels and values.
inline constexpr int kStrCopyMenuItem = 9010;
// The test window's save dialog: its title and its filters.
inline constexpr int kStrSaveLogDialogTitle = 9100;
inline constexpr int kStrTextFilesFilter = 9106;
inline constexpr int kStrAllFilesFilter = 9107;
// The network test's gateway: "%s" the gateway's text.
inline constexpr int kStrGatewayNotIpv4 = 9101;
inline constexpr int kStrGatewayDidNotAnswer = 9102;
inline constexpr int kStrCheckGateway = 9103;
inline constexpr int kStrPingNotStarted = 9104;
inline constexpr int kStrNoGatewayToPing = 9105;
// The Signal History window: its title, the Current Status page's menu item, its button
// texts, the graph's words and units, the event marks (in LinkEventKind's order), the current
// values ("%s" each: strength, quality, receive rate, transmit rate), its save dialog.
inline constexpr int kStrSignalHistoryTitle = 9200;
inline constexpr int kStrSignalHistoryMenuItem = 9201;
inline constexpr int kStrSaveAsCsv = 9202;
inline constexpr int kStrClose = 9203;
inline constexpr int kStrGraphSignal = 9204;
inline constexpr int kStrGraphRate = 9205;
inline constexpr int kStrGraphStrength = 9206;
inline constexpr int kStrGraphQuality = 9207;
inline constexpr int kStrGraphReceive = 9208;
inline constexpr int kStrGraphTransmit = 9209;
inline constexpr int kStrUnitDbm = 9210;
inline constexpr int kStrUnitPercent = 9211;
inline constexpr int kStrUnitMbps = 9212;
inline constexpr int kStrUnitMinutes = 9213;
inline constexpr int kStrEventFirst = 9214;
inline constexpr int kStrCurrentSignalValues = 9221;
inline constexpr int kStrSaveHistoryTitle = 9222;
inline constexpr int kStrCsvFilesFilter = 9223;
inline constexpr int kStrHistoryNotSaved = 9224;
// The header of the report and of the saved diagnostic log: its labels, the text of an empty
// value, and the Windows version classification as words (code k is string 9310 + k), with
// "%s" the name and "%s" the service pack's number.
inline constexpr int kStrHeaderStarted = 9300;
inline constexpr int kStrHeaderComputer = 9301;
inline constexpr int kStrHeaderVersion = 9302;
inline constexpr int kStrHeaderWindows = 9303;
inline constexpr int kStrEmptyValue = 9304;
inline constexpr int kStrWithServicePack = 9305;
inline constexpr int kStrWindowsVersionFirst = 9310;

// A failed Native Wifi call as its cause ("%s" the Windows result code) and its remedy; a
// value of the report that was refused; the network test's lookup of the adapter's IP
// configuration; the ping cut off at its limit; the adapter in the saved log's header.
inline constexpr int kStrServiceNotRunning = 9400;
inline constexpr int kStrServiceNotInstalled = 9401;
inline constexpr int kStrServiceFailed = 9402;
inline constexpr int kStrAccessDenied = 9403;
inline constexpr int kStrStartService = 9404;
inline constexpr int kStrInstallService = 9405;
inline constexpr int kStrRunAsAdministrator = 9406;
inline constexpr int kStrValueRefused = 9407;
inline constexpr int kStrNoIpConfiguration = 9408;
inline constexpr int kStrPingCutOff = 9409;
inline constexpr int kStrHeaderAdapter = 9410;
inline constexpr int kStrHeaderInterface = 9411;
inline constexpr int kStrEnterRefused = 9412;
inline constexpr int kStrIpTablesUnreadable = 9413;

// Diagnostic channel status codes 0 to 33 ("Reserved" and the texts after "[DiagServ]"):
// code k is string 1045 + 2k, so the texts sit on the odd numbers 1045 to 1111.
inline constexpr int kStrDiagStatusFirst = 1045;
inline constexpr std::uint32_t kDiagStatusLastCode = 33;

constexpr std::optional<int> diagStatusStringId(std::uint32_t code) {
    if (code > kDiagStatusLastCode) return std::nullopt;
    return kStrDiagStatusFirst + 2 * static_cast<int>(code);
}

// Diagnostic channel progress events 0x80000005 to 0x80000010: event 0x80000000 + k is
// string 1145 + k, so the texts are strings 1150 to 1161.
inline constexpr int kStrDiagEventBase = 1145;
inline constexpr std::uint32_t kDiagEventFirstCode = 0x80000005u;
inline constexpr std::uint32_t kDiagEventLastCode = 0x80000010u;

constexpr std::optional<int> diagEventStringId(std::uint32_t code) {
    if (code < kDiagEventFirstCode || code > kDiagEventLastCode) return std::nullopt;
    return kStrDiagEventBase + static_cast<int>(code - 0x80000000u);
}

}  // namespace zlx::resources
