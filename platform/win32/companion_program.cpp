#include "platform/win32/companion_program.h"

#include <windows.h>

#include <vector>

#include "platform/win32/error_text.h"

namespace zlx::platform::win32 {

namespace {

// The command line after the program's own name, as CommandLineToArgvW finds its end: a quoted
// name ends at the next quote, another at the first blank.
std::wstring argumentsPart(const wchar_t* commandLine) {
    const wchar_t* p = commandLine;
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t') ++p;
    }
    return p;
}

std::wstring thisProgram() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::optional<std::wstring> companionProgram(const std::wstring& fileName) {
    std::wstring self = thisProgram();
    std::size_t slash = self.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return std::nullopt;
    std::wstring candidate = self.substr(0, slash + 1) + fileName;
    DWORD attributes = GetFileAttributesW(candidate.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return candidate;
}

CompanionRun runCompanionProgram(const std::wstring& path, bool wait) {
    CompanionRun run;
    std::wstring commandLine = L"\"" + path + L"\"" + argumentsPart(GetCommandLineW());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    HANDLE handles[] = {GetStdHandle(STD_INPUT_HANDLE), GetStdHandle(STD_OUTPUT_HANDLE),
                        GetStdHandle(STD_ERROR_HANDLE)};
    bool passHandles = wait;
    if (passHandles) {
        // A GUI program gets no console handles of its own: it writes where this one does.
        for (HANDLE handle : handles)
            if (handle && handle != INVALID_HANDLE_VALUE)
                SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = handles[0];
        startup.hStdOutput = handles[1];
        startup.hStdError = handles[2];
    }
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, passHandles, 0, nullptr,
                        nullptr, &startup, &process)) {
        run.error = errorText(GetLastError());
        return run;
    }
    run.started = true;
    if (wait) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD status = 0;
        GetExitCodeProcess(process.hProcess, &status);
        run.exitStatus = static_cast<int>(status);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

}  // namespace zlx::platform::win32
