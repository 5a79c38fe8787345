#pragma once
// Every service of the Windows machine the program runs on, the sibling of the simulated
// machine (sim/sim_machine.h).

#include "platform/platform.h"
#include "platform/win32/devices.h"
#include "platform/win32/ip_helper.h"
#include "platform/win32/processes.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_wlan.h"

namespace zlx::platform::win32 {

class Win32Machine {
  public:
    Win32Machine() = default;
    Win32Machine(const Win32Machine&) = delete;
    Win32Machine& operator=(const Win32Machine&) = delete;

    // The bundle main() passes down, with the kernel objects the launcher made.
    Platform platform(NamedMutexes& mutexes, SingleInstance& instance, SavedFiles& savedFiles);

  private:
    Win32Wlan wlan_;
    Win32Registry registry_;
    Win32FileSystem files_;
    Win32Folders folders_;
    Win32SystemInfo system_;
    Win32CodePages codePages_;
    Win32HelpDisplay help_;
    Win32Rpc rpc_;
    Win32IpHelper ipHelper_;
    Win32DeviceManager devices_;
    Win32Processes processes_;
};

}  // namespace zlx::platform::win32
