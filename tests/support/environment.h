#pragma once
// Setting the process's environment for a test, on every platform the tests run on.

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include "platform/win32/wide_text.h"
#endif

namespace zlx::testing {

inline void setEnvironment(const std::string& name, const std::string& value) {
#ifdef _WIN32
    // _wputenv_s changes both the C library's copy and the process's own; the narrow form
    // would read UTF-8 in the ANSI code page.
    ::_wputenv_s(platform::win32::toWide(name).c_str(), platform::win32::toWide(value).c_str());
#else
    ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

inline void unsetEnvironment(const std::string& name) {
#ifdef _WIN32
    // An empty value removes the variable.
    ::_wputenv_s(platform::win32::toWide(name).c_str(), L"");
#else
    ::unsetenv(name.c_str());
#endif
}

}  // namespace zlx::testing
