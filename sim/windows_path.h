#pragma once
// Windows path normalisation, as the Win32 layer applies it before any file access: '/' is a
// separator, runs of separators count as one, and "." and ".." segments are resolved. So
// "C:\Suite\\help\x.chm" names the same file as "C:\Suite\help\x.chm", as on Windows.

#include "sim/platform_names.h"

#include <string>
#include <string_view>

namespace zlx::sim {

// A trailing separator is kept: a path ending in one names no file.
std::string normalizeWindowsPath(std::string_view path);

// The lower-case, normalised form under which the simulated file system files a path.
std::string windowsPathKey(std::string_view path);

}  // namespace zlx::sim
