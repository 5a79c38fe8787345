#pragma once
// What a support ticket needs of a run besides its results: when it ran, on which computer,
// with which version of the program and on which Windows. The report and the saved diagnostic
// log both start with it.

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace zlx::context {
class AppContext;
}

namespace zlx::adapterinfo {

struct RunHeader {
    std::string startedAt;     // ISO 8601 with the machine's offset from UTC
    std::string computerName;  // the fully qualified DNS name, as the Diagnostics page shows it
    std::string programVersion;
    std::uint32_t osVersionCode = 0;
    std::uint32_t servicePackMajor = 0;
    // The start in seconds since 1970 (UTC); nothing when the offset is not known.
    std::optional<std::int64_t> startedUnixSeconds;
    // The adapter the run tested and its interface GUID, for the saved log (the report has
    // lines of its own for them); their lines are written only when namesAdapter is set.
    bool namesAdapter = false;
    std::string adapter, interfaceGuid;
};

// `startedLocal` is the machine's local time when the run started, as its clock gave it. The
// offset comes from the machine's own time conversion; when it does not answer, the time is
// written without one.
RunHeader makeRunHeader(context::AppContext& ctx, const std::tm& startedLocal);

// The classification as words: "Windows XP, Service Pack 2".
std::string windowsVersionText(std::uint32_t osVersionCode, std::uint32_t servicePackMajor);

// A value as a line shows it: "(none)" for one that is empty, so a label never ends a line.
std::string valueOrNone(const std::string& value);

// One "Label: value" line each, each ending with "\n"; control characters in a value are
// written as \xNN.
std::string runHeaderText(const RunHeader& header);

}  // namespace zlx::adapterinfo
