#pragma once
// The simulated file system and shell folders. Paths compare without regard to letter case;
// every file listed implies the folders above it.

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/files.h"
#include "sim/call_log.h"
#include "sim/platform_names.h"
#include "sim/scenario.h"

namespace zlx::sim {

class SimFiles final : public FileSystem {
  public:
    // `folderTime` is the last-write time of the folders that are implied, not listed.
    SimFiles(const std::vector<FileEntry>& files, bool redirectionAvailable, FileTime folderTime,
             CallLog& log);

    Win32Error findFile(const std::string& path, FindData& data) override;
    Win32Error fileVersion(const std::string& path, FileVersion& version) override;
    Win32Error deleteFile(const std::string& path) override;
    Win32Error readFile(const std::string& path, std::string& bytes) override;
    Win32Error disableRedirection() override;
    Win32Error revertRedirection() override;

    // True for an existing file (not a folder).
    bool isFile(const std::string& path) const;

  private:
    // FindFirstFileW's error for a missing path: the file or the folder above it is missing.
    Win32Error missingError(const std::string& lowerPath) const;

    CallLog& log_;
    bool redirectionAvailable_;
    mutable std::mutex mutex_;
    std::map<std::string, FileEntry> entries_;  // by lower-case path
};

class SimFolders final : public Folders {
  public:
    SimFolders(const FoldersScenario& folders, CallLog& log);

    std::int32_t knownFolderPath(KnownFolder folder, std::string& path) override;
    Win32Error windowsDirectory(std::string& path) override;
    Win32Error systemDirectory(std::string& path) override;
    Win32Error allUsersProfileDirectory(std::string& path) override;

  private:
    Win32Error report(const char* call, const std::string& value, std::string& path);

    FoldersScenario folders_;
    CallLog& log_;
};

}  // namespace zlx::sim
