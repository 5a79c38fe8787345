#include "sim/sim_files.h"

#include <cstdio>

#include "sim/windows_path.h"

namespace zlx::sim {

namespace {

std::string lastComponent(const std::string& path) {
    auto at = path.find_last_of('\\');
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string versionText(const FileVersion& v) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", v.major, v.minor, v.build, v.revision);
    return text;
}

}  // namespace

SimFiles::SimFiles(const std::vector<FileEntry>& files, bool redirectionAvailable,
                   FileTime folderTime, CallLog& log)
    : log_(log), redirectionAvailable_(redirectionAvailable) {
    for (FileEntry f : files) {
        f.path = normalizeWindowsPath(f.path);
        // "C:\a\b\f" implies "C:\a" and "C:\a\b"; the drive root is no entry of its own.
        for (std::size_t at = f.path.find('\\', 3); at != std::string::npos;
             at = f.path.find('\\', at + 1)) {
            FileEntry folder;
            folder.path = f.path.substr(0, at);
            folder.directory = true;
            folder.lastWrite = folderTime;
            entries_.try_emplace(windowsPathKey(folder.path), folder);
        }
        entries_[windowsPathKey(f.path)] = f;
    }
}

Win32Error SimFiles::missingError(const std::string& lowerPath) const {
    auto at = lowerPath.find_last_of('\\');
    if (at == std::string::npos) return kErrorPathNotFound;
    std::string parent = lowerPath.substr(0, at);
    bool driveRoot = parent.size() == 2 && parent[1] == ':';
    auto it = entries_.find(parent);
    bool parentIsFolder = driveRoot || (it != entries_.end() && it->second.directory);
    return parentIsFolder ? kErrorFileNotFound : kErrorPathNotFound;
}

Win32Error SimFiles::findFile(const std::string& path, FindData& data) {
    std::lock_guard lock(mutex_);
    auto line = [&path] { return "FindFirstFile(" + quoted(path) + ") -> "; };
    std::string key = windowsPathKey(path);
    auto it = entries_.find(key);
    if (it == entries_.end()) {
        Win32Error result = missingError(key);
        if (log_.kept()) log_.record([l = line(), result] { return l + std::to_string(result); });
        return result;
    }
    const FileEntry& f = it->second;
    data = FindData{lastComponent(f.path), f.directory, f.directory ? 0 : f.size, f.lastWrite};
    if (log_.kept())
        log_.record([l = line(), directory = f.directory, size = f.size] {
            return l + (directory ? "0 folder" : "0 size=" + std::to_string(size));
        });
    return kErrorSuccess;
}

Win32Error SimFiles::fileVersion(const std::string& path, FileVersion& version) {
    std::lock_guard lock(mutex_);
    auto line = [&path] { return "GetFileVersionInfo(" + quoted(path) + ") -> "; };
    std::string key = windowsPathKey(path);
    auto it = entries_.find(key);
    Win32Error result = kErrorSuccess;
    if (it == entries_.end()) {
        result = missingError(key);
    } else if (!it->second.version) {
        result = kErrorResourceTypeNotFound;
    } else {
        version = *it->second.version;
        if (log_.kept())
            log_.record([l = line(), version] { return l + "0 " + versionText(version); });
        return kErrorSuccess;
    }
    if (log_.kept()) log_.record([l = line(), result] { return l + std::to_string(result); });
    return result;
}

Win32Error SimFiles::deleteFile(const std::string& path) {
    std::lock_guard lock(mutex_);
    std::string key = windowsPathKey(path);
    auto it = entries_.find(key);
    Win32Error result = kErrorSuccess;
    if (it == entries_.end()) {
        result = missingError(key);
    } else if (it->second.directory) {
        result = kErrorAccessDenied;
    } else {
        entries_.erase(it);
    }
    if (log_.kept())
        log_.record([path = std::string(path), result] {
            return "DeleteFile(" + quoted(path) + ") -> " + std::to_string(result);
        });
    return result;
}

Win32Error SimFiles::readFile(const std::string& path, std::string& bytes) {
    std::lock_guard lock(mutex_);
    auto line = [&path] { return "ReadFile(" + quoted(path) + ") -> "; };
    std::string key = windowsPathKey(path);
    auto it = entries_.find(key);
    Win32Error result = kErrorSuccess;
    if (it == entries_.end()) {
        result = missingError(key);
    } else if (it->second.directory) {
        result = kErrorAccessDenied;
    } else {
        bytes = it->second.content;
        if (log_.kept())
            log_.record([l = line(), size = bytes.size()] {
                return l + "0 bytes=" + std::to_string(size);
            });
        return kErrorSuccess;
    }
    if (log_.kept()) log_.record([l = line(), result] { return l + std::to_string(result); });
    return result;
}

Win32Error SimFiles::disableRedirection() {
    Win32Error result = redirectionAvailable_ ? kErrorSuccess : kErrorNotSupported;
    log_.record(
        [result] { return "Wow64DisableWow64FsRedirection() -> " + std::to_string(result); });
    return result;
}

Win32Error SimFiles::revertRedirection() {
    Win32Error result = redirectionAvailable_ ? kErrorSuccess : kErrorNotSupported;
    log_.record(
        [result] { return "Wow64RevertWow64FsRedirection() -> " + std::to_string(result); });
    return result;
}

bool SimFiles::isFile(const std::string& path) const {
    std::lock_guard lock(mutex_);
    auto it = entries_.find(windowsPathKey(path));
    return it != entries_.end() && !it->second.directory;
}

SimFolders::SimFolders(const FoldersScenario& folders, CallLog& log)
    : folders_(folders), log_(log) {}

std::int32_t SimFolders::knownFolderPath(KnownFolder folder, std::string& path) {
    std::int32_t result = folders_.programFilesResult;
    if (folder != KnownFolder::ProgramFiles) result = static_cast<std::int32_t>(0x80070002);
    if (result == 0) path = folders_.programFiles;
    if (log_.kept())
        log_.record([result, path = result == 0 ? path : std::string()] {
            return "SHGetKnownFolderPath(ProgramFiles) -> " +
                   hex32(static_cast<std::uint32_t>(result)) +
                   (result == 0 ? " " + quoted(path) : std::string());
        });
    return result;
}

Win32Error SimFolders::report(const char* call, const std::string& value, std::string& path) {
    path = value;
    if (log_.kept())
        log_.record([call, value = std::string(value)] {
            return std::string(call) + "() -> 0 " + quoted(value);
        });
    return kErrorSuccess;
}

Win32Error SimFolders::windowsDirectory(std::string& path) {
    return report("GetWindowsDirectory", folders_.windows, path);
}

Win32Error SimFolders::systemDirectory(std::string& path) {
    return report("GetSystemDirectory", folders_.system, path);
}

Win32Error SimFolders::allUsersProfileDirectory(std::string& path) {
    return report("GetAllUsersProfileDirectory", folders_.allUsersProfile, path);
}

}  // namespace zlx::sim
