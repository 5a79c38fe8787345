#pragma once
// Times of the simulated machine: scenario files write local times as text; Windows keeps file
// times as FILETIME in UTC.

#include <cstdint>
#include <ctime>
#include <optional>
#include <string_view>

#include "platform/files.h"
#include "sim/platform_names.h"

namespace zlx::sim {

// "YYYY-MM-DD HH:MM:SS", years 1601 to 9999; empty for anything else or an impossible date.
std::optional<std::tm> parseLocalTime(std::string_view text);

// `offsetMinutes` is local time minus UTC.
FileTime fileTimeFromLocal(const std::tm& local, std::int32_t offsetMinutes);

}  // namespace zlx::sim
