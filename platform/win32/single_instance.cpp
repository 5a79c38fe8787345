#include "platform/win32/single_instance.h"

#include <windows.h>

#include <atomic>

#include "platform/win32/error_text.h"
#include "platform/win32/instance_scope.h"
#include "platform/win32/owned_handle.h"
#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {

namespace {

// How long either side of an activation waits for the other before giving up on it: a copy
// that hangs must not hang the other one.
constexpr DWORD kPatienceMs = 5000;
// How long a requesting copy waits for the holder's pipe to be free.
constexpr DWORD kPipeBusyMs = 2000;
constexpr DWORD kPipeBuffer = 64;

// Ends an overlapped operation on `file` that `started` began: waits for it at most `limitMs`
// and while `stop` (when given) is not set, and cancels it otherwise. True when it completed.
bool finish(HANDLE file, OVERLAPPED& operation, BOOL started, HANDLE stop, DWORD limitMs,
            DWORD& transferred) {
    if (!started && ::GetLastError() != ERROR_IO_PENDING) return false;
    HANDLE events[2] = {operation.hEvent, stop};
    DWORD woken = ::WaitForMultipleObjects(stop ? 2 : 1, events, FALSE, limitMs);
    if (woken != WAIT_OBJECT_0) ::CancelIoEx(file, &operation);
    // Waits for the cancellation too: the operation must be over before it goes out of scope.
    return ::GetOverlappedResult(file, &operation, &transferred, TRUE) != FALSE;
}

bool transfer(HANDLE file, bool reading, void* data, DWORD size, HANDLE stop) {
    OwnedHandle done(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!done.ok()) return false;
    OVERLAPPED operation{};
    operation.hEvent = done.get();
    BOOL started = reading ? ::ReadFile(file, data, size, nullptr, &operation)
                           : ::WriteFile(file, data, size, nullptr, &operation);
    DWORD transferred = 0;
    return finish(file, operation, started, stop, kPatienceMs, transferred) && transferred == size;
}

// Blocks until the client of `pipe` has closed its end (the read then fails), so that it has
// read the acknowledgement before the pipe is disconnected, which would discard it.
void awaitHangUp(HANDLE pipe, HANDLE stop) {
    char ignored = 0;
    transfer(pipe, true, &ignored, 1, stop);
}

HANDLE createPipe(const std::wstring& name, bool first) {
    // Only local copies ask; the first instance fails when another process owns the name, so
    // nobody can serve this copy's pipe in its place.
    DWORD openMode = PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED;
    if (first) openMode |= FILE_FLAG_FIRST_PIPE_INSTANCE;
    return ::CreateNamedPipeW(
        name.c_str(), openMode,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
        PIPE_UNLIMITED_INSTANCES, kPipeBuffer, kPipeBuffer, 0, nullptr);
}

}  // namespace

Win32SingleInstance::Win32SingleInstance(std::string name, std::string scope)
    : base_(objectName(scope, name)) {}

Win32SingleInstance::~Win32SingleInstance() {
    stopListening();
    releaseMutex();
    if (view_) ::UnmapViewOfFile(view_);
    if (mapping_) ::CloseHandle(mapping_);
}

std::wstring activationPipeName(const std::string& base, std::uint32_t sessionId) {
    std::string_view name(base);
    std::size_t separator = name.find('\\');
    std::string_view space = separator == std::string_view::npos ? "" : name.substr(0, separator);
    name.remove_prefix(separator == std::string_view::npos ? 0 : separator + 1);
    // A pipe's name may hold no backslash: the session goes before the name with a dot.
    std::string session = space == "Global" ? "" : "Session" + std::to_string(sessionId) + ".";
    return L"\\\\.\\pipe\\" + toWide(session) + toWide(name);
}

std::wstring Win32SingleInstance::pipeName() const {
    DWORD session = 0;
    ::ProcessIdToSessionId(::GetCurrentProcessId(), &session);
    return activationPipeName(base_, session);
}

bool Win32SingleInstance::createMutex() {
    if (mutex_) return true;
    // Without the mutex nobody can tell whether another copy runs: that is an error to report,
    // never a reason to run as the only copy or to end quietly as the second one.
    HANDLE mutex = ::CreateMutexW(nullptr, TRUE, toWide(base_).c_str());
    DWORD error = ::GetLastError();
    if (!mutex) throw InstanceError("the mutex " + base_ + " cannot be made: " + errorText(error));
    if (error == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return false;
    }
    mutex_ = mutex;
    // The shared value starts at zero for a new first copy, as a freshly loaded section does.
    writeSharedMainWindow(0);
    startListening();
    return true;
}

void Win32SingleInstance::releaseMutex() {
    if (!mutex_) return;
    // Requests are served only by the holder: the next one starts its own listener.
    stopListening();
    // Fails on another thread than the one that took it; closing the last handle still ends it.
    ::ReleaseMutex(mutex_);
    ::CloseHandle(mutex_);
    mutex_ = nullptr;
}

std::uint64_t* Win32SingleInstance::sharedValue() {
    if (view_) return static_cast<std::uint64_t*>(view_);
    if (!mapping_) {
        std::wstring name = toWide(base_ + ".window");
        mapping_ = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(std::uint64_t), name.c_str());
        if (!mapping_) return nullptr;
    }
    view_ = ::MapViewOfFile(mapping_, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(std::uint64_t));
    return static_cast<std::uint64_t*>(view_);
}

std::uint64_t Win32SingleInstance::readSharedMainWindow() {
    std::uint64_t* value = sharedValue();
    return value ? std::atomic_ref<std::uint64_t>(*value).load() : 0;
}

void Win32SingleInstance::writeSharedMainWindow(std::uint64_t window) {
    if (std::uint64_t* value = sharedValue()) std::atomic_ref<std::uint64_t>(*value).store(window);
}

bool Win32SingleInstance::requestActivation(std::uint64_t window) {
    std::wstring name = pipeName();
    HANDLE pipe = INVALID_HANDLE_VALUE;
    // The holder serves one request at a time; a busy pipe is waited for, a missing one means
    // no copy listens.
    for (int attempt = 0; attempt < 3 && pipe == INVALID_HANDLE_VALUE; ++attempt) {
        pipe = ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED, nullptr);
        if (pipe == INVALID_HANDLE_VALUE &&
            (::GetLastError() != ERROR_PIPE_BUSY || !::WaitNamedPipeW(name.c_str(), kPipeBusyMs)))
            return false;
    }
    OwnedHandle connection(pipe);
    if (!connection.ok()) return false;
    // The holder answers one byte once its handler has taken the request, so that this copy
    // ends only after the activation is on its way.
    char ack = 0;
    return transfer(pipe, false, &window, sizeof window, nullptr) &&
           transfer(pipe, true, &ack, 1, nullptr);
}

void Win32SingleInstance::setActivationHandler(std::function<void(std::uint64_t)> handler) {
    bool wanted = static_cast<bool>(handler);
    {
        std::lock_guard lock(handlerMutex_);
        handler_ = std::move(handler);
    }
    if (wanted)
        startListening();
    else
        stopListening();
}

void Win32SingleInstance::startListening() {
    if (stopEvent_ || !mutex_) return;  // listening already, or not the holder
    {
        std::lock_guard lock(handlerMutex_);
        if (!handler_) return;
    }
    // The first instance exists before this returns, so a request made right after finds it.
    HANDLE pipe = createPipe(pipeName(), true);
    if (pipe == INVALID_HANDLE_VALUE) return;
    stopEvent_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!stopEvent_) {
        ::CloseHandle(pipe);
        return;
    }
    listener_ = std::thread([this, pipe] { listen(pipe); });
}

void Win32SingleInstance::listen(void* first) {
    std::wstring name = pipeName();
    OwnedHandle connected(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE pipe = first;
    while (pipe != INVALID_HANDLE_VALUE && connected.ok()) {
        OVERLAPPED operation{};
        operation.hEvent = connected.get();
        ::ResetEvent(connected.get());
        BOOL started = ::ConnectNamedPipe(pipe, &operation);
        DWORD ignored = 0;
        bool client = (!started && ::GetLastError() == ERROR_PIPE_CONNECTED) ||
                      finish(pipe, operation, started, stopEvent_, INFINITE, ignored);
        if (::WaitForSingleObject(stopEvent_, 0) == WAIT_OBJECT_0) break;
        if (client) {
            std::uint64_t window = 0;
            if (transfer(pipe, true, &window, sizeof window, stopEvent_)) {
                {
                    std::lock_guard lock(handlerMutex_);
                    if (handler_) handler_(window);
                }
                char ack = 1;
                if (transfer(pipe, false, &ack, 1, stopEvent_)) awaitHangUp(pipe, stopEvent_);
            }
        }
        // The next instance is made before this one goes, so the name never vanishes between
        // two requests.
        HANDLE next = createPipe(name, false);
        ::DisconnectNamedPipe(pipe);
        ::CloseHandle(pipe);
        pipe = next;
    }
    if (pipe != INVALID_HANDLE_VALUE) ::CloseHandle(pipe);
}

void Win32SingleInstance::stopListening() {
    if (!stopEvent_) return;
    ::SetEvent(stopEvent_);
    if (listener_.joinable()) listener_.join();
    ::CloseHandle(stopEvent_);
    stopEvent_ = nullptr;
}

}  // namespace zlx::platform::win32
