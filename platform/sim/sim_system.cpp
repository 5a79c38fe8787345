#include "platform/sim/sim_system.h"

#include "platform/calendar.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_wlan.h"
#include "platform/text.h"

namespace zlx::platform::sim {

namespace {

std::string versionText(const OsVersionInfo& v) {
    return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.build);
}

}  // namespace

SimSystemInfo::SimSystemInfo(const MachineScenario& machine, CallLog& log)
    : machine_(machine), log_(log) {}

bool SimSystemInfo::versionEx(OsVersionInfo& info) {
    const OsVersionScenario& os = machine_.osVersion;
    if (os.extendedFails) {
        log_.record("GetVersionEx(extended) -> 0");
        return false;
    }
    info = os.info;
    log_.record("GetVersionEx(extended) -> 1 " + versionText(info));
    return true;
}

bool SimSystemInfo::versionBasic(OsVersionInfo& info) {
    const OsVersionScenario& os = machine_.osVersion;
    if (os.basicFails) {
        log_.record("GetVersionEx(basic) -> 0");
        return false;
    }
    // The basic record ends before the service pack numbers, suite and product type.
    OsVersionInfo basic;
    basic.major = os.info.major;
    basic.minor = os.info.minor;
    basic.build = os.info.build;
    basic.platformId = os.info.platformId;
    basic.servicePack = os.info.servicePack;
    basic.productType = 0;
    info = basic;
    log_.record("GetVersionEx(basic) -> 1 " + versionText(info));
    return true;
}

std::uint16_t SimSystemInfo::processorArchitecture() {
    log_.record("GetNativeSystemInfo() -> architecture=" +
                std::to_string(machine_.processorArchitecture));
    return machine_.processorArchitecture;
}

std::uint16_t SimSystemInfo::defaultLangId() {
    log_.record("GetSystemDefaultLangID() -> " + hex(machine_.languageId));
    return machine_.languageId;
}

bool SimSystemInfo::computerName(std::uint32_t format, std::string& name) {
    std::string line = "GetComputerNameEx(format=" + std::to_string(format) + ") -> ";
    if (format == kComputerNameNetBios) {
        name = machine_.netBiosName;
    } else if (format == kComputerNameDnsHostname) {
        name = machine_.dnsHostName;
    } else if (format == kComputerNameDnsFullyQualified) {
        name = machine_.dnsDomain.empty() ? machine_.dnsHostName
                                          : machine_.dnsHostName + "." + machine_.dnsDomain;
    } else {
        log_.record(line + "0");
        return false;
    }
    log_.record(line + "1 " + quoted(name));
    return true;
}

bool SimSystemInfo::localTimeOf(std::int64_t utcSeconds, std::tm& local) {
    // _localtime64 converts 1970-01-01 00:00:00 to 3000-12-31 23:59:59 UTC.
    constexpr std::int64_t kLast = 32535215999;
    if (utcSeconds < 0 || utcSeconds > kLast) return false;
    local = utcFields(utcSeconds + std::int64_t{machine_.timeZoneOffsetMinutes} * 60);
    return true;
}

std::string SimCodePages::ansiToUtf8(std::string_view bytes) {
    return sanitizeUtf8(bytes);
}
std::string SimCodePages::utf8ToAnsi(std::string_view text) {
    return sanitizeUtf8(text);
}
std::string SimCodePages::oemToUtf8(std::string_view bytes) {
    return sanitizeUtf8(bytes);
}

SimHelpDisplay::SimHelpDisplay(const SimFiles& files, CallLog& log) : files_(files), log_(log) {}

bool SimHelpDisplay::displayTopic(std::uint64_t, const std::string& path) {
    bool shown = files_.isFile(path);
    log_.record("HtmlHelp(path=" + quoted(path) + ") -> " + (shown ? "window" : "none"));
    if (shown && viewer_) viewer_(path);
    return shown;
}

SimRpc::SimRpc(const SimWlan& wlan, CallLog& log) : wlan_(wlan), log_(log) {}

Win32Error SimRpc::uuidToString(const Guid& guid, std::string& text) {
    std::string shown = formatGuid(guid);
    Win32Error result = kErrorNotEnoughMemory;
    if (!wlan_.guidTextFails(guid)) {
        text = shown;
        result = kErrorSuccess;
    }
    log_.record("UuidToString(" + shown + ") -> " + std::to_string(result));
    return result;
}

Win32Error SimRpc::uuidFromString(const std::string& text, Guid& guid) {
    Win32Error result = parseGuid(text, guid) ? kErrorSuccess : kRpcSInvalidStringUuid;
    log_.record("UuidFromString(" + quoted(text) + ") -> " + std::to_string(result));
    return result;
}

}  // namespace zlx::platform::sim
