#include "sim/sim_system.h"

#include <algorithm>
#include <array>

#include "platform/calendar.h"
#include "platform/text.h"
#include "sim/sim_files.h"
#include "sim/sim_wlan.h"

namespace zlx::sim {

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
        log_.record([] { return "GetVersionEx(extended) -> 0"; });
        return false;
    }
    info = os.info;
    log_.record([info] { return "GetVersionEx(extended) -> 1 " + versionText(info); });
    return true;
}

bool SimSystemInfo::versionBasic(OsVersionInfo& info) {
    const OsVersionScenario& os = machine_.osVersion;
    if (os.basicFails) {
        log_.record([] { return "GetVersionEx(basic) -> 0"; });
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
    log_.record([info] { return "GetVersionEx(basic) -> 1 " + versionText(info); });
    return true;
}

std::uint16_t SimSystemInfo::processorArchitecture() {
    log_.record([architecture = machine_.processorArchitecture] {
        return "GetNativeSystemInfo() -> architecture=" + std::to_string(architecture);
    });
    return machine_.processorArchitecture;
}

std::uint16_t SimSystemInfo::defaultLangId() {
    log_.record([id = machine_.languageId] { return "GetSystemDefaultLangID() -> " + hex(id); });
    return machine_.languageId;
}

bool SimSystemInfo::computerName(std::uint32_t format, std::string& name) {
    auto line = [format] { return "GetComputerNameEx(format=" + std::to_string(format) + ") -> "; };
    if (format == kComputerNameNetBios) {
        name = machine_.netBiosName;
    } else if (format == kComputerNameDnsHostname) {
        name = machine_.dnsHostName;
    } else if (format == kComputerNameDnsFullyQualified) {
        name = machine_.dnsDomain.empty() ? machine_.dnsHostName
                                          : machine_.dnsHostName + "." + machine_.dnsDomain;
    } else {
        log_.record([line] { return line() + "0"; });
        return false;
    }
    if (log_.kept()) log_.record([line, name] { return line() + "1 " + quoted(name); });
    return true;
}

bool SimSystemInfo::localTimeOf(std::int64_t utcSeconds, std::tm& local) {
    // _localtime64 converts 1970-01-01 00:00:00 to 3000-12-31 23:59:59 UTC.
    constexpr std::int64_t kLast = 32535215999;
    if (utcSeconds < 0 || utcSeconds > kLast) return false;
    local = utcFields(utcSeconds + std::int64_t{machine_.timeZoneOffsetMinutes} * 60);
    return true;
}

namespace {

// Characters 0x80 to 0xFF of each single-byte page. The bytes a page leaves undefined pass
// through as the control characters of the same value, as MultiByteToWideChar does.
using UpperHalf = std::array<char16_t, 128>;

constexpr UpperHalf kWindows1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3,
    0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

constexpr UpperHalf kOem437 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

constexpr UpperHalf kOem850 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557,
    0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB,
    0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9,
    0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

// Nothing for UTF-8.
const UpperHalf* upperHalfOf(std::uint32_t codePage) {
    switch (codePage) {
        case 1252:
            return &kWindows1252;
        case 437:
            return &kOem437;
        case 850:
            return &kOem850;
        default:
            return nullptr;
    }
}

std::string toUtf8(std::uint32_t codePage, std::string_view bytes) {
    const UpperHalf* page = upperHalfOf(codePage);
    if (!page) return sanitizeUtf8(bytes);
    std::u16string units;
    units.reserve(bytes.size());
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        units += byte < 0x80 ? static_cast<char16_t>(byte) : (*page)[byte - 0x80];
    }
    return utf16ToUtf8(units);
}

}  // namespace

std::string SimCodePages::ansiToUtf8(std::string_view bytes) {
    return toUtf8(ansi_, bytes);
}
std::string SimCodePages::utf8ToAnsi(std::string_view text) {
    const UpperHalf* page = upperHalfOf(ansi_);
    if (!page) return sanitizeUtf8(text);
    std::string out;
    for (char16_t unit : utf8ToUtf16(text)) {
        if (unit < 0x80) {
            out += static_cast<char>(unit);
            continue;
        }
        auto found = std::ranges::find(*page, unit);
        out += found == page->end() ? '?' : static_cast<char>(0x80 + (found - page->begin()));
    }
    return out;
}
std::string SimCodePages::oemToUtf8(std::string_view bytes) {
    return toUtf8(oem_, bytes);
}

SimHelpDisplay::SimHelpDisplay(const SimFiles& files, CallLog& log) : files_(files), log_(log) {}

bool SimHelpDisplay::displayTopic(std::uint64_t, const std::string& path) {
    bool shown = files_.isFile(path);
    if (log_.kept())
        log_.record([path = std::string(path), shown] {
            return "HtmlHelp(path=" + quoted(path) + ") -> " + (shown ? "window" : "none");
        });
    if (shown && viewer_) viewer_(path);
    return shown;
}

SimRpc::SimRpc(const SimWlan& wlan, CallLog& log) : wlan_(wlan), log_(log) {}

Win32Error SimRpc::uuidToString(const Guid& guid, std::string& text) {
    Win32Error result = kErrorNotEnoughMemory;
    if (!wlan_.guidTextFails(guid)) {
        text = formatGuid(guid);
        result = kErrorSuccess;
    }
    log_.record([guid, result] {
        return "UuidToString(" + formatGuid(guid) + ") -> " + std::to_string(result);
    });
    return result;
}

Win32Error SimRpc::uuidFromString(const std::string& text, Guid& guid) {
    Win32Error result = parseGuid(text, guid) ? kErrorSuccess : kRpcSInvalidStringUuid;
    if (log_.kept())
        log_.record([text = std::string(text), result] {
            return "UuidFromString(" + quoted(text) + ") -> " + std::to_string(result);
        });
    return result;
}

}  // namespace zlx::sim
