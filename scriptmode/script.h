#pragma once
// The script language of script mode: one command a line, words separated by blanks, "#"
// starting a comment line.

#include <stdexcept>
#include <string>
#include <vector>

namespace zlx::scriptmode {

struct Command {
    int line = 0;
    std::string name;
    std::vector<std::string> args;
};

class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Splits the script into commands and checks each command's name and argument count; a
// problem is reported with its line number.
std::vector<Command> parseScript(const std::string& text);

// Whether the script prints the calls the program made, so the machine must keep them.
bool readsCalls(const std::vector<Command>& commands);

// The command as the transcript echoes it.
std::string echo(const Command& command);

}  // namespace zlx::scriptmode
