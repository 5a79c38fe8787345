#pragma once
// Every operating-system service the system uses, in one bundle passed down from main().

#include "platform/files.h"
#include "platform/network.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/wlan.h"

namespace zlx::platform {

struct Platform {
    WlanApi& wlan;
    Registry& registry;
    FileSystem& files;
    Folders& folders;
    SystemInfo& system;
    CodePages& codePages;
    HelpDisplay& help;
    Rpc& rpc;
    IpHelper& ipHelper;
    DeviceManager& devices;
    Processes& processes;
    NamedMutexes& mutexes;
    SingleInstance& instance;
    SavedFiles& savedFiles;
};

}  // namespace zlx::platform
