// A file that carries nothing but a version resource: zlx-materialise copies it as a scenario's
// driver file and writes the scenario's version into it.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
