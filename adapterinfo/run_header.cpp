#include "adapterinfo/run_header.h"

#include <vector>

#include "adapterinfo/windows_version.h"
#include "context/app_context.h"
#include "platform/calendar.h"
#include "platform/text.h"
#include "resources/string_table.h"

namespace zlx::adapterinfo {

namespace {

// "%s" in `format`, in turn, by `args`.
std::string substitute(const std::string& format, const std::vector<std::string>& args) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' &&
            next < args.size()) {
            out += args[next++];
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

struct HeaderLine {
    std::string label;
    std::string value;
};

std::vector<HeaderLine> runHeaderLines(const RunHeader& header) {
    auto line = [](int id, const char* fallback, const std::string& value) {
        return HeaderLine{resources::stringOr(id, fallback), valueOrNone(value)};
    };
    std::vector<HeaderLine> lines = {
        line(resources::kIdsHeaderStarted, "Started", header.startedAt),
        line(resources::kIdsHeaderComputer, "Computer", header.computerName),
        line(resources::kIdsHeaderVersion, "Program version", header.programVersion),
        line(resources::kIdsHeaderWindows, "Windows",
             windowsVersionText(header.osVersionCode, header.servicePackMajor))};
    if (header.namesAdapter) {
        lines.push_back(line(resources::kIdsHeaderAdapter, "Adapter", header.adapter));
        lines.push_back(line(resources::kIdsHeaderInterface, "Interface", header.interfaceGuid));
    }
    return lines;
}

}  // namespace

RunHeader makeRunHeader(context::AppContext& ctx, const std::tm& startedLocal) {
    RunHeader header;
    platform::SystemInfo& system = ctx.platform.system;
    auto offset = platform::utcOffsetAt(startedLocal, [&system](std::int64_t utc, std::tm& local) {
        return system.localTimeOf(utc, local);
    });
    header.startedAt = platform::isoTimestamp(startedLocal, offset);
    if (offset)
        header.startedUnixSeconds = platform::secondsSinceEpoch(startedLocal) - *offset * 60;
    std::string name;
    if (system.computerName(platform::kComputerNameDnsFullyQualified, name))
        header.computerName = name;
    header.programVersion = ctx.programVersion;
    header.osVersionCode = ctx.osVersionCode;
    header.servicePackMajor = ctx.servicePackMajor;
    return header;
}

std::string windowsVersionText(std::uint32_t osVersionCode, std::uint32_t servicePackMajor) {
    static constexpr const char* kNames[] = {
        "Windows Vista or later (or not recognised)",
        "Windows 95",
        "Windows 98",
        "Windows Me",
        "Windows NT 4.0 or earlier",
        "Windows 2000 or Windows Server 2003",
        "Windows XP",
        "Windows XP Professional x64 Edition",
    };
    std::uint32_t code = osVersionCode <= kOsWindowsXpX64 ? osVersionCode : kOsOther;
    std::string name = resources::stringOr(
        resources::kIdsWindowsVersionFirst + static_cast<int>(code), kNames[code]);
    if (servicePackMajor == 0) return name;
    return substitute(resources::stringOr(resources::kIdsWithServicePack, "%s, Service Pack %s"),
                      {name, std::to_string(servicePackMajor)});
}

std::string valueOrNone(const std::string& value) {
    return value.empty() ? resources::stringOr(resources::kIdsEmptyValue, "(none)") : value;
}

std::string runHeaderText(const RunHeader& header) {
    std::string out;
    // A computer name is the machine's to choose: whatever it holds stays on its own line.
    for (const HeaderLine& line : runHeaderLines(header))
        out += line.label + ": " + platform::escapeControls(line.value) + "\n";
    return out;
}

}  // namespace zlx::adapterinfo
