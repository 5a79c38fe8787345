# Cross-builds for 64-bit Windows with Debian's mingw-w64 (POSIX threads model, for std::thread)
# and runs the built programs, the tests among them, under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# ZLX_WINDOWS_DEPS: the prefix scripts/windows/deps fills with pugixml, GoogleTest and
# nlohmann-json built for Windows.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${ZLX_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One executable with no DLLs beside it: the C and C++ runtimes and winpthreads linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Wine runs the test programs, at build time too (GoogleTest's test discovery), in a prefix of
# the build's own, through scripts/windows/wine (quiet, and a fixed address-space layout).
find_program(ZLX_WINE NAMES wine64 wine PATHS /usr/lib/wine)
set(ZLX_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "The Wine prefix the tests run in")
if(ZLX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${ZLX_WINEPREFIX} ZLX_WINE=${ZLX_WINE}
      ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows/wine)
endif()
