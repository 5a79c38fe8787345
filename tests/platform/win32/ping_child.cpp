// Stands in for ping.exe in the tests of Win32Processes: "ping_child MODE TARGET".
//   echo     prints its arguments, one a line, and ends;
//   flood    prints far more than a ping's output may be;
//   hang     never ends;
//   inherit  TARGET is a handle value of the parent's: says whether this process has it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
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
