#pragma once

#include "platform/files.h"

namespace zlx::platform::win32 {

// Files the user saves: written to a temporary file beside the target, flushed, then moved over
// it with MoveFileExW (replace, write-through), so a failed write never leaves a half-written
// file. Paths are UTF-8 and opened by their wide names.
class Win32SavedFiles final : public SavedFiles {
  public:
    bool replaceFile(const std::string& path, const std::string& bytes,
                     std::string& reason) override;
};

}  // namespace zlx::platform::win32
