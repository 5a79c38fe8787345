#pragma once
// Files and folders of the Windows machine (kernel32, shell32, version.dll). Paths are Windows
// paths in UTF-8. Files the user saves are not machine paths: they go through SavedFiles.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/windows_types.h"

namespace zlx::platform {

// FILETIME: 100-ns intervals since 1601-01-01 UTC.
using FileTime = std::uint64_t;

struct FindData {
    std::string name;
    bool directory = false;
    std::uint64_t size = 0;
    FileTime lastWrite = 0;
};

// VS_FIXEDFILEINFO's file version: four 16-bit parts.
struct FileVersion {
    std::uint16_t major = 0, minor = 0, build = 0, revision = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // FindFirstFileW for one path (no wildcards are needed by the system).
    virtual Win32Error findFile(const std::string& path, FindData& data) = 0;
    // GetFileVersionInfoW + VerQueryValueW("\\").
    virtual Win32Error fileVersion(const std::string& path, FileVersion& version) = 0;
    virtual Win32Error deleteFile(const std::string& path) = 0;
    virtual Win32Error readFile(const std::string& path, std::string& bytes) = 0;
    // Wow64DisableWow64FsRedirection / Wow64RevertWow64FsRedirection; kErrorNotSupported when
    // the functions are missing.
    virtual Win32Error disableRedirection() = 0;
    virtual Win32Error revertRedirection() = 0;
};

enum class KnownFolder { ProgramFiles };

class Folders {
  public:
    virtual ~Folders() = default;
    // SHGetKnownFolderPath; the HRESULT as returned (0 is S_OK).
    virtual std::int32_t knownFolderPath(KnownFolder folder, std::string& path) = 0;
    virtual Win32Error windowsDirectory(std::string& path) = 0;
    virtual Win32Error systemDirectory(std::string& path) = 0;
    virtual Win32Error allUsersProfileDirectory(std::string& path) = 0;
};

// The files the user chooses in a save dialog are real files of this machine.
class SavedFiles {
  public:
    virtual ~SavedFiles() = default;
    // Replaces `path` with `bytes` atomically; on failure the old file stays and `reason` says
    // why.
    virtual bool replaceFile(const std::string& path, const std::string& bytes,
                             std::string& reason) = 0;
};

}  // namespace zlx::platform
