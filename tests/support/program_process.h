#pragma once
// The real program run as a process of its own, with its output captured, for what only a
// whole process shows: exit statuses, the display it opens, what it prints.

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#endif

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/environment.h"
#include "support/temp_dir.h"
#include "support/transcript_cases.h"

#ifndef _WIN32
extern char** environ;
#endif

namespace zlx::testing {

#ifdef _WIN32
inline const std::string kProgramPath = std::string(ZLX_BINARY_DIR) + "/zlxdiag.exe";
// A file that reads as empty.
inline const std::string kEmptyFile = "NUL";
#else
inline const std::string kProgramPath = std::string(ZLX_BINARY_DIR) + "/zlxdiag";
inline const std::string kEmptyFile = "/dev/null";
#endif

struct ProcessResult {
    int status = -1;  // the exit status; -1 when it could not start or did not exit
    std::string out, err;
};

#ifdef _WIN32

// One argument as CommandLineToArgvW reads it back: quoted, with the backslashes before a quote
// doubled.
inline std::wstring quotedArgument(const std::wstring& argument) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

inline HANDLE inheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return ::CreateFileW(platform::win32::toWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                         &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Runs the program with `arguments`. `environment` overrides the test's own variables; a
// variable mapped to "" is removed.
inline ProcessResult runProgram(const std::vector<std::string>& arguments,
                                const std::map<std::string, std::string>& environment = {}) {
    std::wstring block;
    if (wchar_t* strings = ::GetEnvironmentStringsW()) {
        for (const wchar_t* entry = strings; *entry; entry += std::wcslen(entry) + 1) {
            std::wstring text(entry);
            // Names such as "=C:" start with "=": the name ends at the next one.
            std::wstring name = text.substr(0, text.find(L'=', 1));
            bool overridden = false;
            for (const auto& item : environment)
                overridden = overridden || platform::win32::toWide(item.first) == name;
            if (!overridden) block += text + L'\0';
        }
        ::FreeEnvironmentStringsW(strings);
    }
    for (const auto& [name, value] : environment)
        if (!value.empty()) block += platform::win32::toWide(name + "=" + value) + L'\0';
    block += L'\0';
    std::wstring commandLine = quotedArgument(platform::win32::toWide(kProgramPath));
    for (const auto& argument : arguments)
        commandLine += L" " + quotedArgument(platform::win32::toWide(argument));

    TempDir capture;
    HANDLE out = inheritableFile(capture.file("out")), err = inheritableFile(capture.file("err"));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    ProcessResult result;
    if (::CreateProcessW(platform::win32::toWide(kProgramPath).c_str(), commandLine.data(), nullptr,
                         nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT, block.data(), nullptr, &startup,
                         &process)) {
        ::WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        if (::GetExitCodeProcess(process.hProcess, &code)) result.status = static_cast<int>(code);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(out);
    ::CloseHandle(err);
    result.out = readWholeFile(capture.file("out"));
    result.err = readWholeFile(capture.file("err"));
    return result;
}

#else

// Runs the program with `arguments`. `environment` overrides the test's own variables; a
// variable mapped to "" is removed.
inline ProcessResult runProgram(const std::vector<std::string>& arguments,
                                const std::map<std::string, std::string>& environment = {}) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry(*e);
        if (!environment.contains(entry.substr(0, entry.find('=')))) env.push_back(entry);
    }
    for (const auto& [name, value] : environment)
        if (!value.empty()) env.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> args = {kProgramPath};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    TempDir capture;
    std::string outPath = capture.file("out"), errPath = capture.file("err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT, 0600);
    ProcessResult result;
    pid_t pid = 0;
    if (::posix_spawn(&pid, kProgramPath.c_str(), &actions, nullptr, argv.data(), envp.data()) ==
        0) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = readWholeFile(outPath);
    result.err = readWholeFile(errPath);
    return result;
}

#endif

}  // namespace zlx::testing
