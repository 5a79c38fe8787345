#pragma once
// The files and shell folders of this machine (kernel32, version.dll, shell32).

#include <mutex>

#include "platform/files.h"
#include "platform/win32/system_library.h"

namespace zlx::platform::win32 {

class Win32FileSystem final : public FileSystem {
  public:
    Win32Error findFile(const std::string& path, FindData& data) override;
    Win32Error fileVersion(const std::string& path, FileVersion& version) override;
    Win32Error deleteFile(const std::string& path) override;
    Win32Error readFile(const std::string& path, std::string& bytes) override;
    // File-system redirection is a property of the calling thread: the value Windows hands
    // back for the revert is kept per object, so disable and revert come in pairs on one
    // thread, as the callers use them.
    Win32Error disableRedirection() override;
    Win32Error revertRedirection() override;

  private:
    SystemLibrary version_{L"version.dll"};
    std::mutex mutex_;
    void* redirection_ = nullptr;
};

class Win32Folders final : public Folders {
  public:
    std::int32_t knownFolderPath(KnownFolder folder, std::string& path) override;
    Win32Error windowsDirectory(std::string& path) override;
    Win32Error systemDirectory(std::string& path) override;
    Win32Error allUsersProfileDirectory(std::string& path) override;
};

}  // namespace zlx::platform::win32
