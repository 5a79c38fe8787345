#include "platform/win32/instance_scope.h"

#include <windows.h>

#include <atomic>
#include <string_view>
#include <vector>

#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {

namespace {

constexpr std::string_view kLocal = "Local\\";
constexpr std::string_view kGlobal = "Global\\";

std::string withoutBackslashes(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\\') c = '_';
    return out;
}

std::string environmentVariable(const wchar_t* name) {
    std::vector<wchar_t> value(256);
    for (;;) {
        DWORD length = ::GetEnvironmentVariableW(name, value.data(), DWORD(value.size()));
        if (length == 0) return {};
        if (length < value.size()) return fromWide(std::wstring_view(value.data(), length));
        value.resize(length);  // the size asked for, its terminating zero included
    }
}

}  // namespace

std::string scopeFromName(const std::string& text) {
    std::string_view view(text);
    for (std::string_view prefix : {kLocal, kGlobal})
        if (view.starts_with(prefix))
            return std::string(prefix) + withoutBackslashes(view.substr(prefix.size()));
    return std::string(kLocal) + withoutBackslashes(view);
}

std::string sharedInstanceScope() {
    std::string chosen = environmentVariable(L"ZLXDIAG_INSTANCE_DIR");
    return chosen.empty() ? std::string(kLocal) + "zlxdiag" : scopeFromName(chosen);
}

std::string objectName(const std::string& scope, const std::string& name) {
    return scope + "." + withoutBackslashes(name);
}

PrivateInstanceScope::PrivateInstanceScope() {
    // The one piece of state shared by the whole process: scopes made by different threads at
    // the same moment must still differ, and the process identifier alone cannot tell them
    // apart. Kernel-object names outlive no process, so the count may start again at each run.
    static std::atomic<std::uint64_t> made{0};
    path_ = std::string(kLocal) + "zlxdiag-run-" + std::to_string(currentProcessId()) + "-" +
            std::to_string(made.fetch_add(1) + 1);
}

std::uint32_t currentProcessId() {
    return ::GetCurrentProcessId();
}

}  // namespace zlx::platform::win32
