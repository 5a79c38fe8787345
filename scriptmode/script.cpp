#include "scriptmode/script.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <string_view>

namespace zlx::scriptmode {

namespace {

struct Arity {
    std::size_t min, max;
};

// Commands with the number of arguments each takes.
const std::map<std::string, Arity>& commandTable() {
    static const std::map<std::string, Arity> table = {
        {"tab", {1, 1}},     {"click", {1, 1}},   {"select", {2, 2}},  {"answer", {1, 1}},
        {"save-as", {1, 1}}, {"close", {0, 0}},   {"advance", {1, 1}}, {"idle", {0, 0}},
        {"dump", {0, 1}},    {"calls", {0, 1}},   {"sysmenu", {1, 1}}, {"minimize", {0, 0}},
        {"restore", {0, 0}}, {"details", {0, 0}}, {"shot", {1, 1}},    {"show-file", {1, 1}},
        {"resize", {2, 2}},
    };
    return table;
}

std::string lineError(int line, const std::string& what) {
    return "script line " + std::to_string(line) + ": " + what;
}

}  // namespace

std::vector<Command> parseScript(const std::string& text) {
    std::vector<Command> commands;
    // Editors on Windows start UTF-8 files with a byte-order mark; it is not part of the first
    // command.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::istringstream in(text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size())
                                                           : text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        Command command;
        command.line = number;
        if (!(words >> command.name) || command.name[0] == '#') continue;
        // A path keeps the rest of the line, so it may hold blanks.
        if (command.name == "save-as" || command.name == "show-file") {
            std::string rest;
            std::getline(words, rest);
            auto start = rest.find_first_not_of(" \t");
            if (start != std::string::npos) command.args.push_back(rest.substr(start));
        } else {
            for (std::string word; words >> word;) command.args.push_back(word);
        }
        auto it = commandTable().find(command.name);
        if (it == commandTable().end())
            throw ScriptError(lineError(number, "unknown command \"" + command.name + "\""));
        if (command.args.size() < it->second.min || command.args.size() > it->second.max)
            throw ScriptError(
                lineError(number, "wrong number of arguments for \"" + command.name + "\""));
        commands.push_back(std::move(command));
    }
    return commands;
}

bool readsCalls(const std::vector<Command>& commands) {
    return std::any_of(commands.begin(), commands.end(),
                       [](const Command& c) { return c.name == "calls"; });
}

std::string echo(const Command& command) {
    std::string out = "> " + command.name;
    for (const std::string& arg : command.args) out += " " + arg;
    return out;
}

}  // namespace zlx::scriptmode
