#pragma once
// Facts of the simulated Windows installation, its code pages, HTML Help and RPC GUID strings.

#include <functional>
#include <string>

#include "platform/system.h"
#include "sim/call_log.h"
#include "sim/platform_names.h"
#include "sim/scenario.h"

namespace zlx::sim {

class SimFiles;
class SimWlan;

class SimSystemInfo final : public SystemInfo {
  public:
    SimSystemInfo(const MachineScenario& machine, CallLog& log);

    bool versionEx(OsVersionInfo& info) override;
    bool versionBasic(OsVersionInfo& info) override;
    std::uint16_t processorArchitecture() override;
    std::uint16_t defaultLangId() override;
    bool computerName(std::uint32_t format, std::string& name) override;
    bool localTimeOf(std::int64_t utcSeconds, std::tm& local) override;

  private:
    MachineScenario machine_;
    CallLog& log_;
};

// The machine's ANSI and OEM code pages: UTF-8, as on a Linux system, unless the scenario
// names a single-byte page. From UTF-8, invalid bytes become U+FFFD; into a single-byte page,
// a character it lacks becomes '?', as WideCharToMultiByte's default character. Conversions
// are not recorded: they are pure and many.
class SimCodePages final : public CodePages {
  public:
    explicit SimCodePages(std::uint32_t ansiCodePage = kCodePageUtf8,
                          std::uint32_t oemCodePage = kCodePageUtf8)
        : ansi_(ansiCodePage), oem_(oemCodePage) {}
    std::string ansiToUtf8(std::string_view bytes) override;
    std::string utf8ToAnsi(std::string_view text) override;
    std::string oemToUtf8(std::string_view bytes) override;

  private:
    std::uint32_t ansi_;
    std::uint32_t oem_;
};

// A help window opens exactly when the path names a file of the machine. The machine has no
// help viewer; a front end that draws windows may show a stand-in naming what would open.
class SimHelpDisplay final : public HelpDisplay {
  public:
    using Viewer = std::function<void(const std::string& path)>;

    SimHelpDisplay(const SimFiles& files, CallLog& log);
    bool displayTopic(std::uint64_t ownerWindow, const std::string& path) override;
    void setViewer(Viewer viewer) { viewer_ = std::move(viewer); }

  private:
    const SimFiles& files_;
    CallLog& log_;
    Viewer viewer_;
};

// UuidToStringW fails for the interfaces whose scenario says so.
class SimRpc final : public Rpc {
  public:
    SimRpc(const SimWlan& wlan, CallLog& log);
    Win32Error uuidToString(const Guid& guid, std::string& text) override;
    Win32Error uuidFromString(const std::string& text, Guid& guid) override;

  private:
    const SimWlan& wlan_;
    CallLog& log_;
};

}  // namespace zlx::sim
