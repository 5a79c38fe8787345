#pragma once
// The program's command line and standard streams, the same on every system.

#include <string>
#include <vector>

namespace zlx::platform {

// The arguments after the program's name, in UTF-8. On Windows they come from the wide command
// line: `argv` holds them in the ANSI code page, which loses what it cannot spell.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Standard output and error take bytes as they are. On Windows text mode would turn every "\n"
// into "\r\n", and transcripts must be the same on every system.
void useBinaryStandardStreams();

}  // namespace zlx::platform
