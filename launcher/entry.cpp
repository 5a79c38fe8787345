#include "launcher/entry.h"

#include "platform/local_files.h"

namespace zlx::launcher {

bool readTextFile(const std::string& path, std::string& text, std::string& error) {
    platform::LocalFileRead file = platform::readLocalFile(path);
    switch (file.status) {
        case platform::LocalFileRead::Status::Read:
            text = std::move(file.bytes);
            return true;
        case platform::LocalFileRead::Status::Folder:
            error = path + ": is a folder, not a script file";
            return false;
        case platform::LocalFileRead::Status::Unreadable:
            break;
    }
    error = path + ": " + file.reason;
    return false;
}

bool finishOutput(std::ostream& out, std::ostream& err, const std::string& what) {
    out.flush();
    if (out) return true;
    err << "zlxdiag: " << what << " could not be written to standard output\n";
    return false;
}

}  // namespace zlx::launcher
