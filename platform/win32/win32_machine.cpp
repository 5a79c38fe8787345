#include "platform/win32/win32_machine.h"

namespace zlx::platform::win32 {

Platform Win32Machine::platform(NamedMutexes& mutexes, SingleInstance& instance,
                                SavedFiles& savedFiles) {
    return Platform{wlan_, registry_, files_,   folders_,   system_, codePages_, help_,
                    rpc_,  ipHelper_, devices_, processes_, mutexes, instance,   savedFiles};
}

}  // namespace zlx::platform::win32
