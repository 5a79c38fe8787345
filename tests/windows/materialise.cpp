// zlx-materialise SCENARIO VERSION-STUB: writes the facts of a scenario into the Windows machine
// it runs on (a Wine prefix), so that the Win32 services read there what the simulated machine
// answers from the scenario:
//   - the registry keys, and the network devices as device-manager keys under Enum, through a
//     UTF-16LE .reg file (with its byte-order mark) imported by "regedit /S";
//   - the Windows version, where Wine has a version of that number (HKCU\Software\Wine);
//   - which of the stand-ins (scripts/windows/materialise) Wine loads in place of its own;
//   - the files and folders, with their sizes and last-write times; a file with a version is a
//     copy of VERSION-STUB with the scenario's version written into its VS_FIXEDFILEINFO.
// The computer name is not written: Wine takes it from the host at every start. Nor is the time
// zone: Wine takes it from the environment too, so the environment a run needs ("TZ=...") is
// printed on standard output.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "platform/console.h"
#include "platform/local_files.h"
#include "platform/text.h"
#include "platform/win32/processes.h"
#include "platform/win32/wide_text.h"
#include "sim/scenario.h"

namespace {

using namespace zlx::platform;
using zlx::platform::win32::toWide;
using zlx::sim::RegistryValue;
namespace sim = zlx::sim;

std::string regString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    char two[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(two, sizeof two, "%02x", bytes[i]);
        if (i > 0) out += ',';
        out += two;
    }
    return out;
}

std::string regValue(const RegistryValue& value) {
    std::string name = value.name.empty() ? "@" : regString(value.name);
    if (value.type == kRegSz) {
        std::string text = utf8FromUtf16le(value.data);
        // A REG_SZ that is exactly its text and one NUL can be written as text.
        if (utf16leBytes(text, true) == value.data) return name + "=" + regString(text);
    }
    if (value.type == kRegDword && value.data.size() == 4) {
        char number[16];
        std::uint32_t n = value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                          std::uint32_t{value.data[3]} << 24;
        std::snprintf(number, sizeof number, "%08x", n);
        return name + "=dword:" + number;
    }
    if (value.type == kRegBinary) return name + "=hex:" + hexBytes(value.data);
    char type[16];
    std::snprintf(type, sizeof type, "hex(%x):", value.type);
    return name + "=" + type + hexBytes(value.data);
}

RegistryValue textValue(const std::string& name, const std::string& text) {
    return {name, kRegSz, utf16leBytes(text, true)};
}

RegistryValue multiValue(const std::string& name, const std::vector<std::string>& texts) {
    std::vector<std::uint8_t> data;
    for (const std::string& text : texts) {
        auto bytes = utf16leBytes(text, true);
        data.insert(data.end(), bytes.begin(), bytes.end());
    }
    data.push_back(0);
    data.push_back(0);
    return {name, kRegMultiSz, data};
}

const char* wineVersionName(const OsVersionInfo& v) {
    if (v.major == 10) return "win10";
    if (v.major == 6 && v.minor == 3) return "win81";
    if (v.major == 6 && v.minor == 2) return "win8";
    if (v.major == 6 && v.minor == 1) return "win7";
    if (v.major == 6 && v.minor == 0) return "vista";
    if (v.major == 5 && v.minor == 2) return "win2003";
    if (v.major == 5 && v.minor == 1) return "winxp64";
    return nullptr;
}

std::string registryFile(const sim::Scenario& scenario) {
    std::string text = "Windows Registry Editor Version 5.00\r\n";
    auto key = [&](const std::string& root, const std::string& path,
                   const std::vector<RegistryValue>& values) {
        text += "\r\n[" + root + "\\" + path + "]\r\n";
        for (const RegistryValue& value : values) text += regValue(value) + "\r\n";
    };
    for (const sim::RegistryKey& k : scenario.registry) key("HKEY_LOCAL_MACHINE", k.path, k.values);
    for (const NetworkDevice& device : scenario.devices) {
        std::vector<RegistryValue> values{
            textValue("ClassGUID", "{4d36e972-e325-11ce-bfc1-08002be10318}"),
            multiValue("HardwareID", device.hardwareIds)};
        const std::pair<std::uint32_t, RegistryValue> properties[] = {
            {kSpdrpDeviceDesc, textValue("DeviceDesc", device.description)},
            {kSpdrpFriendlyName, textValue("FriendlyName", device.friendlyName)},
            {kSpdrpDriver, textValue("Driver", device.driverKey)},
            {kSpdrpService, textValue("Service", device.service)},
        };
        for (const auto& [code, value] : properties)
            if (device.hasProperty(code)) values.push_back(value);
        key("HKEY_LOCAL_MACHINE", "SYSTEM\\CurrentControlSet\\Enum\\" + device.instanceId, values);
    }
    if (const char* version = wineVersionName(scenario.machine.osVersion.info))
        key("HKEY_CURRENT_USER", "Software\\Wine", {textValue("Version", version)});
    // The stand-ins in system32 (scripts/windows/materialise) over Wine's own. Wine starts the
    // ping found there only when told to; and its own DLLs that load iphlpapi.dll on their own
    // (dnsapi, for the computer's names) would otherwise take the builtin one first, which a
    // later load by name then gets. Only the programs that read the machine are told so: Wine's
    // own services keep Wine's iphlpapi.
    key("HKEY_CURRENT_USER", "Software\\Wine\\DllOverrides", {textValue("ping.exe", "native")});
    for (const char* program : {"zlxdiag.exe", "contract_tests.exe"})
        key("HKEY_CURRENT_USER",
            std::string("Software\\Wine\\AppDefaults\\") + program + "\\DllOverrides",
            {textValue("iphlpapi", "native"), textValue("wlanapi", "native")});
    return text;
}

bool writeBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD done = 0;
    bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) &&
              done == bytes.size();
    return ::CloseHandle(file) && ok;
}

bool importRegistry(const std::string& text) {
    wchar_t folder[MAX_PATH], file[MAX_PATH];
    if (!::GetTempPathW(MAX_PATH, folder) || !::GetTempFileNameW(folder, L"zlx", 0, file))
        return false;
    std::u16string units = utf8ToUtf16(text);
    std::string bytes = "\xff\xfe";  // UTF-16LE's byte-order mark: without it regedit reads bytes
    for (char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    if (!writeBytes(file, bytes)) return false;
    wchar_t windows[MAX_PATH];
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    std::wstring program = std::wstring(windows) + L"\\regedit.exe";
    std::wstring commandLine = win32::quoteArgument(program) + L" /S " + win32::quoteArgument(file);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    bool ok = ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &started);
    DWORD status = 1;
    if (ok) {
        ::WaitForSingleObject(started.hProcess, INFINITE);
        ::GetExitCodeProcess(started.hProcess, &status);
        ::CloseHandle(started.hProcess);
        ::CloseHandle(started.hThread);
    }
    ::DeleteFileW(file);
    return ok && status == 0;
}

bool makeFolders(const std::wstring& path) {
    for (std::size_t at = path.find(L'\\', 3); at != std::wstring::npos;
         at = path.find(L'\\', at + 1)) {
        ::CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    }
    return ::CreateDirectoryW(path.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS;
}

// The stub's bytes with `version` in its fixed file information, or empty.
std::string versioned(const std::string& stub, const FileVersion& version) {
    static const char kSignature[] = "\xbd\x04\xef\xfe";  // VS_FFI_SIGNATURE, little-endian
    auto at = stub.find(std::string(kSignature, 4));
    if (at == std::string::npos || at + 16 > stub.size()) return {};
    std::string bytes = stub;
    std::uint32_t words[2] = {std::uint32_t{version.major} << 16 | version.minor,
                              std::uint32_t{version.build} << 16 | version.revision};
    std::memcpy(bytes.data() + at + 8, words, sizeof words);  // dwFileVersionMS, then LS
    return bytes;
}

bool writeFile(const sim::FileEntry& entry, const std::string& stub) {
    std::wstring path = toWide(entry.path);
    auto parent = path.find_last_of(L'\\');
    if (entry.directory) return makeFolders(path);
    if (parent != std::wstring::npos && parent > 2 && !makeFolders(path.substr(0, parent)))
        return false;
    std::string bytes = entry.content;
    if (entry.version) {
        bytes = versioned(stub, *entry.version);
        if (bytes.empty()) return false;
    }
    if (bytes.size() < entry.size) bytes.resize(entry.size, '\0');
    if (!writeBytes(path, bytes)) return false;
    HANDLE file = ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    FILETIME time{static_cast<DWORD>(entry.lastWrite), static_cast<DWORD>(entry.lastWrite >> 32)};
    bool ok = ::SetFileTime(file, nullptr, nullptr, &time);
    return ::CloseHandle(file) && ok;
}

// The scenario's zone as TZ, which both the C runtime and Wine (through the host's C library)
// read: a name, then the offset to add to local time to get UTC.
std::string timeZoneVariable(int offsetMinutes) {
    int west = -offsetMinutes;
    char text[32];
    std::snprintf(text, sizeof text, "TZ=ZLX%c%02d:%02d", west < 0 ? '-' : '+', std::abs(west) / 60,
                  std::abs(west) % 60);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args = commandLineArguments(argc, argv);
    if (args.size() != 2) {
        std::cerr << "usage: zlx-materialise SCENARIO VERSION-STUB\n";
        return 2;
    }
    try {
        sim::Scenario scenario = sim::loadScenarioFile(args[0]);
        LocalFileRead stub = readLocalFile(args[1]);
        if (stub.status != LocalFileRead::Status::Read) {
            std::cerr << "zlx-materialise: cannot read " << args[1] << "\n";
            return 1;
        }
        if (!importRegistry(registryFile(scenario))) {
            std::cerr << "zlx-materialise: regedit did not import the registry keys\n";
            return 1;
        }
        for (const sim::FileEntry& entry : scenario.files) {
            if (!writeFile(entry, stub.bytes)) {
                std::cerr << "zlx-materialise: cannot write " << entry.path << "\n";
                return 1;
            }
        }
        std::cout << timeZoneVariable(scenario.machine.timeZoneOffsetMinutes) << "\n";
    } catch (const sim::ScenarioError& error) {
        std::cerr << "zlx-materialise: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
