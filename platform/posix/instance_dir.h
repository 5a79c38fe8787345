#pragma once

#include <string>

namespace zlx::platform::posix {

// The folder of the files that stand for the program's kernel objects shared between processes:
// $ZLXDIAG_INSTANCE_DIR, else $XDG_RUNTIME_DIR/zlxdiag, else /tmp/zlxdiag-<uid>. Created on
// first use, private to the user.
std::string instanceDirectory();

}  // namespace zlx::platform::posix
