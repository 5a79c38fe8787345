#pragma once

#include "platform/files.h"

namespace zlx::platform::posix {

// Files the user saves, written to this machine's file system: a temporary file beside the
// target, flushed, then renamed over it, so a failed write never leaves a half-written file.
// Saving over a symbolic link replaces the file the link points to, where the kernel would
// follow the link. A new file's permissions are those the umask leaves of 0666; a replaced
// file keeps its own, without set-user-ID or set-group-ID bits. Only regular files are
// replaced, and in a sticky folder everybody may write to only those of the user or of the
// folder's owner.
// The temporary is named ".zlxdiag-save-XXXXXX" and locked while the save runs, so that one
// left by a save that was killed is removed by the next save to the same folder.
class PosixSavedFiles final : public SavedFiles {
  public:
    bool replaceFile(const std::string& path, const std::string& bytes,
                     std::string& reason) override;
};

}  // namespace zlx::platform::posix
