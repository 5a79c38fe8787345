// Stands in for ping.exe in the tests of Win32Processes: "ping_child MODE TARGET".
//   echo     prints its arguments, one a line, and ends;
//   flood    prints far more than a ping's output may be;
//   hang     never ends;
//   inherit  TARGET is the value of a handle of the parent's to a file named
//            "zlx-inherit-probe...": says whether this process has that file open under it.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    _setmode(_fileno(stdout), _O_BINARY);  // the lines end as ping's do, in "\r\n"

    if (std::strcmp(argv[1], "echo") == 0) {
        std::printf("%s\r\n%s\r\n", argv[1], argv[2]);
    } else if (std::strcmp(argv[1], "flood") == 0) {
        for (int i = 0; i < 20000; ++i) std::printf("Reply %05d from %s\r\n", i, argv[2]);
    } else if (std::strcmp(argv[1], "hang") == 0) {
        ::Sleep(INFINITE);
    } else if (std::strcmp(argv[1], "inherit") == 0) {
        auto handle = reinterpret_cast<HANDLE>(std::strtoull(argv[2], nullptr, 10));
        DWORD flags = 0;
        std::printf("%s\r\n",
                    ::GetHandleInformation(handle, &flags) ? "inherited" : "not inherited");
    }
    return 0;
}
