#pragma once
// Setting the process's environment for a test, on every platform the tests run on.

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdlib>
#include <string>

namespace zlx::testing {

#ifdef _WIN32
// UTF-8 as the wide calls take it: the narrow ones would read it in the ANSI code page.
inline std::wstring wideOf(const std::string& utf8) {
    int size =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), size);
    return out;
}
#endif

inline void setEnvironment(const std::string& name, const std::string& value) {
#ifdef _WIN32
    // _wputenv_s changes both the C library's copy and the process's own.
    ::_wputenv_s(wideOf(name).c_str(), wideOf(value).c_str());
#else
    ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

inline void unsetEnvironment(const std::string& name) {
#ifdef _WIN32
    // An empty value removes the variable.
    ::_wputenv_s(wideOf(name).c_str(), L"");
#else
    ::unsetenv(name.c_str());
#endif
}

}  // namespace zlx::testing
