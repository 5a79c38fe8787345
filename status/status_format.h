#pragma once
// The status as the command line prints it: a "Label : value" block or a JSON object for
// --status, and the JSON lines or CSV rows of --watch (which the Signal History window saves
// too). The texts are the pages'; the numbers are the readings behind them.

#include <string>
#include <vector>

#include "status/link_history.h"
#include "status/status_snapshot.h"

namespace zlx::status {

std::string formatStatusText(const StatusSnapshot& snapshot);
std::string formatStatusJson(const StatusSnapshot& snapshot);

// One line each, ending in "\n".
std::string formatSampleJsonLine(const platform::WallTime& time, const StatusSnapshot& snapshot);
std::string formatEventJsonLine(const LinkEvent& event);

// The CSV's fixed columns.
std::string csvHeader();
std::string csvSampleRow(const LinkSample& sample);
std::string csvEventRow(const LinkEvent& event);
// The history as CSV: the header, then each sample preceded by the events it saw.
std::string historyCsv(const LinkHistory& history);

}  // namespace zlx::status
