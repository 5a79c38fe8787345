#pragma once
// The program's command line and standard streams, the same on every system.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zlx::platform {

// The arguments after the program's name, in UTF-8. On Windows they come from the wide command
// line: `argv` holds them in the ANSI code page, which loses what it cannot spell.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Standard output and error for the life of this object, made first in main:
// - redirected to a file or a pipe, they take the program's UTF-8 bytes as they are (on Windows
//   in binary mode, since text mode would turn every "\n" into "\r\n", and transcripts must be
//   the same on every system);
// - on a Windows console, the text goes through WriteConsoleW, which shows every character
//   whatever the console's code page, where UTF-8 bytes would be read in that code page;
// - elsewhere, a standard descriptor the program was started without is opened on /dev/null,
//   so that no file the program opens takes its place, and output and error are written so
//   that a request to end the program (TerminationSignals) ends a write its reader keeps
//   waiting.
class StandardStreams {
  public:
    StandardStreams();
    ~StandardStreams();
    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;

  private:
    struct Consoles;
    std::unique_ptr<Consoles> consoles_;
};

// How much of `bytes` ends on a whole UTF-8 character: a character split between two writes is
// held back until its last byte comes. Bytes that can never become a character are not held.
std::size_t wholeUtf8Length(std::string_view bytes);

}  // namespace zlx::platform
