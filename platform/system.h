#pragma once
// Facts of the Windows installation: version, processor, language, computer name, code pages,
// HTML Help.

#include <cstdint>
#include <ctime>
#include <string>

#include "platform/windows_types.h"

namespace zlx::platform {

// OSVERSIONINFOEXW, the fields the system reads.
struct OsVersionInfo {
    std::uint32_t major = 0, minor = 0, build = 0, platformId = 2;
    std::string servicePack;
    std::uint16_t servicePackMajor = 0, servicePackMinor = 0;
    std::uint16_t suiteMask = 0;
    std::uint8_t productType = 1;
};

inline constexpr std::uint16_t kProcessorArchitectureIntel = 0;
inline constexpr std::uint16_t kProcessorArchitectureIa64 = 6;
inline constexpr std::uint16_t kProcessorArchitectureAmd64 = 9;

inline constexpr std::uint32_t kComputerNameNetBios = 0;
inline constexpr std::uint32_t kComputerNameDnsHostname = 1;
inline constexpr std::uint32_t kComputerNameDnsFullyQualified = 3;

class SystemInfo {
  public:
    virtual ~SystemInfo() = default;
    // GetVersionExW with the extended record, and with the basic one; either may fail.
    virtual bool versionEx(OsVersionInfo& info) = 0;
    virtual bool versionBasic(OsVersionInfo& info) = 0;
    virtual std::uint16_t processorArchitecture() = 0;
    // GetSystemDefaultLangID.
    virtual std::uint16_t defaultLangId() = 0;
    // GetComputerNameExW.
    virtual bool computerName(std::uint32_t format, std::string& name) = 0;
    // The C runtime's 64-bit local-time conversion (_localtime64) in the machine's time zone:
    // seconds since 1970-01-01 UTC to local calendar time. False for a time it does not
    // convert (before 1970, after the year 3000).
    virtual bool localTimeOf(std::int64_t utcSeconds, std::tm& local) = 0;
};

// "ANSI" and "OEM" code pages: bytes of the machine's narrow interfaces to UTF-8.
class CodePages {
  public:
    virtual ~CodePages() = default;
    virtual std::string ansiToUtf8(std::string_view bytes) = 0;
    virtual std::string utf8ToAnsi(std::string_view text) = 0;
    virtual std::string oemToUtf8(std::string_view bytes) = 0;
};

// HtmlHelpW(owner, path, HH_DISPLAY_TOPIC, 0): true when a help window came back.
class HelpDisplay {
  public:
    virtual ~HelpDisplay() = default;
    virtual bool displayTopic(std::uint64_t ownerWindow, const std::string& path) = 0;
};

// UuidToStringW / UuidFromStringW (rpcrt4).
class Rpc {
  public:
    virtual ~Rpc() = default;
    virtual Win32Error uuidToString(const Guid& guid, std::string& text) = 0;
    virtual Win32Error uuidFromString(const std::string& text, Guid& guid) = 0;
};

}  // namespace zlx::platform
