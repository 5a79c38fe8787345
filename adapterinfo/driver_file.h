#pragma once
// Driver file and class key lookup: the adapter's interface GUID from its instance key below
// the network adapter class, and the driver image file named by its service key, with the
// file's date and version.

#include <cstdint>
#include <string>

#include "adapterinfo/adapter_info.h"
#include "platform/files.h"

namespace zlx::adapterinfo {

// Below HKEY_LOCAL_MACHINE; the GUID is the network adapter device class.
inline constexpr const char* kNetClassKey =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
inline constexpr const char* kServicesKey = "SYSTEM\\CurrentControlSet\\Services\\";

// netCfgInstanceId from "NetCfgInstanceId" of the class instance key driverInstance; nothing
// happens without a driverInstance.
void readNetCfgInstanceId(const GatherContext& context, AdapterInfo& info);

// driverPath from "ImagePath" of the service key serviceName, then the file's date and version.
// True when the version was read.
bool gatherDriverFile(const GatherContext& context, AdapterInfo& info);

// The fixed file version as "a.b.c.d"; false (and `text` unchanged) when the file has none.
bool readFileVersion(const GatherContext& context, const std::string& path, std::string& text,
                     platform::FileVersion& parts);

// "%d %b %Y %H:%M:%S" of `unixSeconds` in the machine's local time, month names as the C
// locale writes them; empty when the time cannot be converted.
std::string formatFileDate(platform::SystemInfo& system, std::int64_t unixSeconds);

// The same time in ISO 8601 with the machine's offset from UTC at that time
// ("2025-03-18T09:41:26+01:00"); empty when the time cannot be converted.
std::string isoFileDate(platform::SystemInfo& system, std::int64_t unixSeconds);

// Whether `path` begins with the system directory, ignoring letter case.
bool isInSystemDirectory(platform::Folders& folders, const std::string& path);

// The full path of a driver image from "ImagePath": relative to the Windows directory, or one
// of the absolute forms the service control manager accepts ("\SystemRoot\...",
// "%SystemRoot%\...", "\??\C:\...", "C:\...").
std::string driverImagePath(const std::string& windowsDirectory, const std::string& imagePath);

// A FILETIME as seconds since 1970-01-01 UTC, as the runtime's file status gives it.
std::int64_t unixSecondsOf(platform::FileTime time);

}  // namespace zlx::adapterinfo
