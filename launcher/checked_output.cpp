#include "launcher/checked_output.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace zlx::launcher {

bool writeChecked(std::ostream& out, std::string_view text, std::ostream& err,
                  std::string_view what) {
    errno = 0;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (out) return true;
    const int error = errno;
    err << "zlxdiag: " << what << " could not be written to standard output: "
        << (error ? std::string(std::strerror(error)) : std::string("write failed")) << "\n";
    return false;
}

}  // namespace zlx::launcher
