#pragma once
// The real program run as a process of its own, with its output captured, for what only a
// whole process shows: exit statuses, the display it opens, what it prints.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/transcript_cases.h"

extern char** environ;

namespace zlx::testing {

inline const std::string kProgramPath = std::string(ZLX_BINARY_DIR) + "/zlxdiag";

struct ProcessResult {
    int status = -1;  // the exit status; -1 when it could not start or did not exit
    std::string out, err;
};

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

}  // namespace zlx::testing
