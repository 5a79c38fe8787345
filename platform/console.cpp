#include "platform/console.h"

#include <iostream>
#include <streambuf>

#ifdef _WIN32
// <windows.h> first: the other Windows headers build on it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/win32/wide_text.h"
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/stoppable_output.h"
#endif

namespace zlx::platform {

std::size_t wholeUtf8Length(std::string_view bytes) {
    // A character is at most four bytes: only the last three can be an unfinished one.
    std::size_t size = bytes.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        std::size_t length = byte < 0xC0   ? 1
                             : byte < 0xE0 ? 2
                             : byte < 0xF0 ? 3
                             : byte < 0xF8 ? 4
                                           : 1;
        return length > back ? size - back : size;
    }
    return size;
}

#ifdef _WIN32

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(win32::fromWide(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

namespace {

// Text for a console, written as UTF-16 whole characters at a time.
class ConsoleBuffer final : public std::streambuf {
  public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {}
    ~ConsoleBuffer() override { sync(); }

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        pending_ += traits_type::to_char_type(c);
        if (pending_.size() >= kFlushAt) sync();
        return c;
    }
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        pending_.append(bytes, static_cast<std::size_t>(count));
        if (pending_.size() >= kFlushAt) sync();
        return count;
    }
    int sync() override {
        std::size_t whole = wholeUtf8Length(pending_);
        std::wstring text = win32::toWide(std::string_view(pending_).substr(0, whole));
        pending_.erase(0, whole);
        for (std::size_t done = 0; done < text.size();) {
            DWORD written = 0;
            DWORD piece = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, kPiece));
            if (!::WriteConsoleW(console_, text.data() + done, piece, &written, nullptr) ||
                written == 0)
                return -1;
            done += written;
        }
        return 0;
    }

  private:
    static constexpr std::size_t kFlushAt = 4096;
    // Older consoles refuse one large write; pieces of this size always go through.
    static constexpr std::size_t kPiece = 8192;
    HANDLE console_;
    std::string pending_;
};

// A console handle, or null when the stream goes to a file, a pipe or nowhere.
HANDLE consoleOf(DWORD stream) {
    HANDLE handle = ::GetStdHandle(stream);
    DWORD mode = 0;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !::GetConsoleMode(handle, &mode))
        return nullptr;
    return handle;
}

}  // namespace

// The buffers held by their base class: the struct is declared in the header, and a field whose
// type is in the anonymous namespace would tie it to this one file.
struct StandardStreams::Consoles {
    std::unique_ptr<std::streambuf> out, err;
    std::streambuf* outBefore = nullptr;
    std::streambuf* errBefore = nullptr;
};

StandardStreams::StandardStreams() : consoles_(std::make_unique<Consoles>()) {
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    if (HANDLE console = consoleOf(STD_OUTPUT_HANDLE)) {
        consoles_->out = std::make_unique<ConsoleBuffer>(console);
        consoles_->outBefore = std::cout.rdbuf(consoles_->out.get());
    }
    if (HANDLE console = consoleOf(STD_ERROR_HANDLE)) {
        consoles_->err = std::make_unique<ConsoleBuffer>(console);
        consoles_->errBefore = std::cerr.rdbuf(consoles_->err.get());
    }
}

StandardStreams::~StandardStreams() {
    if (consoles_->out) {
        std::cout.flush();
        std::cout.rdbuf(consoles_->outBefore);
    }
    if (consoles_->err) {
        std::cerr.flush();
        std::cerr.rdbuf(consoles_->errBefore);
    }
}

#else

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

// Output and error through buffers a request to end the program stops, so that a reader who
// keeps a write waiting cannot keep the run from ending and removing what it made.
struct StandardStreams::Consoles {
    posix::StoppableOutputBuffer out{STDOUT_FILENO};
    posix::StoppableOutputBuffer err{STDERR_FILENO};
    std::streambuf* outBefore = nullptr;
    std::streambuf* errBefore = nullptr;
};

StandardStreams::StandardStreams() {
    // A standard descriptor that whoever started the program left closed would be taken by the
    // next file the program opens, which would then receive its output. Each closed one is
    // opened on /dev/null the wrong way round, as coreutils do: input for writing, output and
    // error for reading, so that output written there fails and is reported as lost.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        // The lowest free descriptor is this one, since those below it are open by now.
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
    consoles_ = std::make_unique<Consoles>();
    consoles_->outBefore = std::cout.rdbuf(&consoles_->out);
    consoles_->errBefore = std::cerr.rdbuf(&consoles_->err);
}

StandardStreams::~StandardStreams() {
    std::cout.flush();
    std::cerr.flush();
    std::cout.rdbuf(consoles_->outBefore);
    std::cerr.rdbuf(consoles_->errBefore);
}

#endif

}  // namespace zlx::platform
