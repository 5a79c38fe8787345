#include "platform/posix/stoppable_output.h"

#include <limits.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/termination_signals.h"

namespace zlx::platform::posix {

StoppableWrite writeUnlessStopped(int fd, std::string_view bytes, int stopFd) {
    StoppableWrite result;
    while (result.written < bytes.size()) {
        pollfd watched[2] = {{fd, POLLOUT, 0}, {stopFd, POLLIN, 0}};
        if (::poll(watched, stopFd >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR) continue;
            result.error = errno;
            return result;
        }
        if (watched[1].revents & POLLIN) {
            result.stopped = true;
            return result;
        }
        // A pipe that has room for POLLOUT takes up to PIPE_BUF bytes without blocking, and a
        // terminal stopped by Ctrl+S does not show POLLOUT, so the next request is seen.
        std::size_t chunk = std::min<std::size_t>(bytes.size() - result.written, PIPE_BUF);
        ssize_t n = ::write(fd, bytes.data() + result.written, chunk);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            result.error = errno;
            return result;
        }
        result.written += static_cast<std::size_t>(n);
    }
    return result;
}

StoppableOutputBuffer::StoppableOutputBuffer(int fd) : fd_(fd), lineBuffered_(::isatty(fd) == 1) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

StoppableOutputBuffer::~StoppableOutputBuffer() {
    drain();
}

bool StoppableOutputBuffer::drain() {
    std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    if (pending.empty()) return true;
    StoppableWrite w = writeUnlessStopped(fd_, pending, TerminationSignals::requestDescriptor());
    // What could not be written is dropped: the stream has failed, and keeping it would only
    // make every later write fail on the same bytes.
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return w.written == pending.size();
}

StoppableOutputBuffer::int_type StoppableOutputBuffer::overflow(int_type c) {
    if (!drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    if (lineBuffered_ && traits_type::to_char_type(c) == '\n' && !drain())
        return traits_type::eof();
    return c;
}

std::streamsize StoppableOutputBuffer::xsputn(const char* s, std::streamsize n) {
    if (n <= 0) return 0;
    auto size = static_cast<std::size_t>(n);
    auto room = static_cast<std::size_t>(epptr() - pptr());
    if (size <= room) {
        std::memcpy(pptr(), s, size);
        pbump(static_cast<int>(size));
    } else {
        // More than the buffer holds goes out directly, after what is already waiting.
        if (!drain()) return 0;
        StoppableWrite w = writeUnlessStopped(fd_, std::string_view(s, size),
                                              TerminationSignals::requestDescriptor());
        return static_cast<std::streamsize>(w.written);
    }
    if (lineBuffered_ && std::memchr(s, '\n', size) && !drain()) return 0;
    return n;
}

int StoppableOutputBuffer::sync() {
    return drain() ? 0 : -1;
}

}  // namespace zlx::platform::posix
