#include "adapterinfo/driver_file.h"

#include "adapterinfo/windows_version.h"
#include "platform/calendar.h"
#include "platform/registry_key.h"
#include "platform/text.h"

namespace zlx::adapterinfo {

namespace {

constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kFileTimeEpochToUnix = 11644473600;

// Both gatherers open their key with every right, and settle for reading.
bool openKey(platform::RegistryKey& key, const std::string& path) {
    if (key.open(platform::kHkeyLocalMachine, path, platform::kKeyAllAccess) == 0) return true;
    return key.open(platform::kHkeyLocalMachine, path, platform::kKeyRead) == 0;
}

// File-system redirection of the 32-bit emulation is switched off around driver file accesses
// on Windows XP x64 only, and only for files below the system directory. It is switched back
// on only when switching it off worked, so nothing is reverted that was never changed.
class RedirectionOff {
  public:
    RedirectionOff(const GatherContext& context, const std::string& path)
        : files_(context.platform.files) {
        if (context.osVersionCode == kOsWindowsXpX64 &&
            isInSystemDirectory(context.platform.folders, path))
            off_ = files_.disableRedirection() == platform::kErrorSuccess;
    }
    ~RedirectionOff() {
        if (off_) files_.revertRedirection();
    }
    RedirectionOff(const RedirectionOff&) = delete;
    RedirectionOff& operator=(const RedirectionOff&) = delete;

  private:
    platform::FileSystem& files_;
    bool off_ = false;
};

}  // namespace

void readNetCfgInstanceId(const GatherContext& context, AdapterInfo& info) {
    if (info.driverInstance.empty()) return;
    platform::RegistryKey key(context.platform.registry);
    if (!openKey(key, std::string(kNetClassKey) + "\\" + info.driverInstance)) return;
    key.queryString("NetCfgInstanceId", info.netCfgInstanceId);
}

std::string driverImagePath(const std::string& windowsDirectory, const std::string& imagePath) {
    auto below = [&](std::size_t skip) { return windowsDirectory + "\\" + imagePath.substr(skip); };
    if (platform::startsWithIgnoringAsciiCase(imagePath, "\\SystemRoot\\")) return below(12);
    if (platform::startsWithIgnoringAsciiCase(imagePath, "%SystemRoot%\\")) return below(13);
    if (platform::startsWithIgnoringAsciiCase(imagePath, "%windir%\\")) return below(9);
    if (imagePath.rfind("\\??\\", 0) == 0) return imagePath.substr(4);
    bool drive = imagePath.size() >= 3 && imagePath[1] == ':' && imagePath[2] == '\\';
    if (drive) return imagePath;
    return windowsDirectory + "\\" + imagePath;
}

bool gatherDriverFile(const GatherContext& context, AdapterInfo& info) {
    {
        platform::RegistryKey key(context.platform.registry);
        std::string imagePath;
        std::string windows;
        if (openKey(key, std::string(kServicesKey) + info.serviceName) &&
            key.queryString("ImagePath", imagePath) && !imagePath.empty() &&
            context.platform.folders.windowsDirectory(windows) == platform::kErrorSuccess)
            info.driverPath = driverImagePath(windows, imagePath);
    }
    if (info.driverPath.empty()) return false;
    {
        RedirectionOff redirection(context, info.driverPath);
        platform::FindData found;
        // A folder of that name is no driver file: it has no date to show as the driver's.
        if (context.platform.files.findFile(info.driverPath, found) == platform::kErrorSuccess &&
            !found.directory) {
            std::int64_t seconds = unixSecondsOf(found.lastWrite);
            info.driverFileDate = formatFileDate(context.platform.system, seconds);
            info.driverFileLastWrite = isoFileDate(context.platform.system, seconds);
        }
    }
    platform::FileVersion parts;
    return readFileVersion(context, info.driverPath, info.driverFileVersion, parts);
}

bool readFileVersion(const GatherContext& context, const std::string& path, std::string& text,
                     platform::FileVersion& parts) {
    if (path.empty()) return false;
    RedirectionOff redirection(context, path);
    platform::FileVersion version;
    if (context.platform.files.fileVersion(path, version) != platform::kErrorSuccess) return false;
    text = std::to_string(version.major) + '.' + std::to_string(version.minor) + '.' +
           std::to_string(version.build) + '.' + std::to_string(version.revision);
    parts = version;
    return true;
}

std::string formatFileDate(platform::SystemInfo& system, std::int64_t unixSeconds) {
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm local{};
    if (!system.localTimeOf(unixSeconds, local)) return {};
    if (local.tm_mon < 0 || local.tm_mon > 11) return {};
    std::string text;
    platform::appendZeroPadded(text, local.tm_mday, 2);
    (text += ' ') += kMonths[local.tm_mon];
    text += ' ';
    platform::appendZeroPadded(text, local.tm_year + 1900LL, 4);
    text += ' ';
    platform::appendZeroPadded(text, local.tm_hour, 2);
    text += ':';
    platform::appendZeroPadded(text, local.tm_min, 2);
    text += ':';
    platform::appendZeroPadded(text, local.tm_sec, 2);
    return text;
}

std::string isoFileDate(platform::SystemInfo& system, std::int64_t unixSeconds) {
    std::tm local{};
    if (!system.localTimeOf(unixSeconds, local)) return {};
    std::int64_t offset = platform::secondsSinceEpoch(local) - unixSeconds;
    return platform::isoTimestamp(local, static_cast<int>(offset / 60));
}

bool isInSystemDirectory(platform::Folders& folders, const std::string& path) {
    std::string system;
    if (folders.systemDirectory(system) != platform::kErrorSuccess || system.empty()) return false;
    return platform::startsWithIgnoringAsciiCase(path, system);
}

std::int64_t unixSecondsOf(platform::FileTime time) {
    // Whole seconds towards the earlier time, as the runtime's file status reports them.
    std::int64_t ticks = static_cast<std::int64_t>(time / kTicksPerSecond);
    return ticks - kFileTimeEpochToUnix;
}

}  // namespace zlx::adapterinfo
