#include "platform/posix/instance_dir.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>

namespace zlx::platform::posix {

std::string instanceDirectory() {
    std::string dir;
    if (const char* explicitDir = std::getenv("ZLXDIAG_INSTANCE_DIR");
        explicitDir && *explicitDir) {
        dir = explicitDir;
    } else if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        dir = std::string(runtime) + "/zlxdiag";
    } else {
        dir = "/tmp/zlxdiag-" + std::to_string(getuid());
    }
    ::mkdir(dir.c_str(), 0700);
    return dir;
}

}  // namespace zlx::platform::posix
