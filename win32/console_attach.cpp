#include "win32/console_attach.h"

#include <windows.h>

#include <cstdio>

namespace zlx::win32 {

namespace {

bool usable(DWORD which) {
    HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

}  // namespace

void useParentConsole() {
    if (usable(STD_OUTPUT_HANDLE) || usable(STD_ERROR_HANDLE)) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    // The C runtime found no streams at start; it takes the console's now.
    FILE* reopened = nullptr;
    _wfreopen_s(&reopened, L"CONOUT$", L"w", stdout);
    _wfreopen_s(&reopened, L"CONOUT$", L"w", stderr);
    _wfreopen_s(&reopened, L"CONIN$", L"r", stdin);
}

}  // namespace zlx::win32
