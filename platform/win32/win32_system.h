#pragma once
// Facts of this Windows installation, its code pages, HTML Help and RPC's GUID strings.

#include "platform/system.h"

namespace zlx::platform::win32 {

class Win32SystemInfo final : public SystemInfo {
  public:
    bool versionEx(OsVersionInfo& info) override;
    bool versionBasic(OsVersionInfo& info) override;
    std::uint16_t processorArchitecture() override;
    std::uint16_t defaultLangId() override;
    bool computerName(std::uint32_t format, std::string& name) override;
    bool localTimeOf(std::int64_t utcSeconds, std::tm& local) override;
};

// CP_ACP and CP_OEMCP; characters without a mapping take the code page's default character.
class Win32CodePages final : public CodePages {
  public:
    std::string ansiToUtf8(std::string_view bytes) override;
    std::string utf8ToAnsi(std::string_view text) override;
    std::string oemToUtf8(std::string_view bytes) override;
};

// HtmlHelpW from hhctrl.ocx, loaded from the system folder when help is first asked for, so
// that a machine without HTML Help still runs and only its help does not open.
class Win32HelpDisplay final : public HelpDisplay {
  public:
    bool displayTopic(std::uint64_t ownerWindow, const std::string& path) override;
};

class Win32Rpc final : public Rpc {
  public:
    Win32Error uuidToString(const Guid& guid, std::string& text) override;
    Win32Error uuidFromString(const std::string& text, Guid& guid) override;
};

}  // namespace zlx::platform::win32
