#pragma once
// Output that a reader may keep waiting (a pipe nobody reads, a terminal paused with Ctrl+S)
// without keeping the program from ending: each write waits for room or for a descriptor that
// says the program was asked to end, whichever comes first.

#include <array>
#include <cstddef>
#include <streambuf>
#include <string_view>

namespace zlx::platform::posix {

struct StoppableWrite {
    std::size_t written = 0;  // bytes of the request that arrived
    bool stopped = false;     // `stopFd` became readable before all was written
    int error = 0;            // errno of a write that failed, or 0
};

// Writes all of `bytes` to `fd` unless `stopFd` (-1: none) is readable or a write fails first.
StoppableWrite writeUnlessStopped(int fd, std::string_view bytes, int stopFd);

// A stream buffer over a descriptor, stopped by TerminationSignals::requestDescriptor(): once
// a request to end has been caught, what is left unwritten fails and the stream goes bad. On a
// terminal it writes each line as it ends, elsewhere when its buffer fills or is flushed.
class StoppableOutputBuffer final : public std::streambuf {
  public:
    explicit StoppableOutputBuffer(int fd);
    ~StoppableOutputBuffer() override;
    StoppableOutputBuffer(const StoppableOutputBuffer&) = delete;
    StoppableOutputBuffer& operator=(const StoppableOutputBuffer&) = delete;

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

  private:
    bool drain();

    int fd_;
    bool lineBuffered_;
    std::array<char, 4096> buffer_{};
};

}  // namespace zlx::platform::posix
