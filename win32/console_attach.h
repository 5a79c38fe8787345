#pragma once
// zlxdiag.exe is a GUI-subsystem program: Windows gives it no console, so nothing flashes up
// when it is double-clicked. Run from a shell for a text mode, it still prints there.

namespace zlx::win32 {

// Standard handles the parent passed (a pipe, a file, the console twin's own) are used as they
// are; without them the standard streams go to the parent's console, when it has one.
void useParentConsole();

}  // namespace zlx::win32
