#pragma once
// Files of the machine the program itself runs on, named by the user (a script, a scenario, a
// file a script shows). Paths are UTF-8; on Windows they are opened by their wide names, so a
// folder named in any language works whatever the ANSI code page.

#include <string>

namespace zlx::platform {

struct LocalFileRead {
    enum class Status { Read, Folder, Unreadable };
    Status status = Status::Unreadable;
    std::string bytes;
    // Why an unreadable file could not be read, as the C library says it.
    std::string reason;
};

// The whole file, byte for byte.
LocalFileRead readLocalFile(const std::string& utf8Path);

// Whether anything (a file, a folder, a link) has this name.
bool localFileExists(const std::string& utf8Path);

}  // namespace zlx::platform
