#include "platform/win32/processes.h"

#include <windows.h>

#include <chrono>
#include <memory>

#include "platform/win32/owned_handle.h"
#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {

namespace {

// How often a running ping looks at its pipe, its process and the stop request.
constexpr DWORD kPollMs = 20;

std::string systemPing() {
    wchar_t folder[MAX_PATH];
    UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "ping.exe";
    return fromWide(std::wstring_view(folder, length)) + "\\PING.EXE";
}

// A thread-attribute list naming exactly the handles the child may inherit.
class InheritList {
  public:
    explicit InheritList(std::vector<HANDLE> handles) : handles_(std::move(handles)) {
        SIZE_T size = 0;
        ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        storage_ = std::make_unique<std::uint8_t[]>(size);
        list_ = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.get());
        if (!::InitializeProcThreadAttributeList(list_, 1, 0, &size)) {
            list_ = nullptr;
            return;
        }
        if (!::UpdateProcThreadAttribute(list_, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST,
                                         handles_.data(), handles_.size() * sizeof(HANDLE), nullptr,
                                         nullptr)) {
            ::DeleteProcThreadAttributeList(list_);
            list_ = nullptr;
        }
    }
    ~InheritList() {
        if (list_ != nullptr) ::DeleteProcThreadAttributeList(list_);
    }
    InheritList(const InheritList&) = delete;
    InheritList& operator=(const InheritList&) = delete;
    LPPROC_THREAD_ATTRIBUTE_LIST get() const { return list_; }

  private:
    std::vector<HANDLE> handles_;
    std::unique_ptr<std::uint8_t[]> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

// Keeps at most kPingOutputCap bytes, ending at a line break once anything is dropped.
void appendCapped(std::string& output, bool& cut, const char* bytes, std::size_t count) {
    if (cut) return;
    if (output.size() + count <= kPingOutputCap) {
        output.append(bytes, count);
        return;
    }
    output.append(bytes, kPingOutputCap - output.size());
    auto lastBreak = output.find_last_of('\n');
    output.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
    cut = true;
}

}  // namespace

std::wstring quoteArgument(const std::wstring& word) {
    if (!word.empty() && word.find_first_of(L" \t\n\v\"") == std::wstring::npos) return word;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : word) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(backslashes * 2, L'\\');  // they now stand before the closing quote
    quoted.push_back(L'"');
    return quoted;
}

Win32Processes::Win32Processes() : Win32Processes(systemPing(), {}) {}

Win32Processes::Win32Processes(std::string program, std::vector<std::string> arguments)
    : program_(std::move(program)), arguments_(std::move(arguments)) {}

PingResult Win32Processes::ping(const std::string& target, Millis limit, StopSignal& stop) {
    PingResult result;
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    OwnedHandle readEnd, writeEnd;
    if (!::CreatePipe(readEnd.out(), writeEnd.out(), &inheritable, 0)) {
        result.startResult = ::GetLastError();
        return result;
    }
    // Only the child's end is inherited.
    ::SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
    OwnedHandle nul(::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING,
                                  0, nullptr));
    if (!nul.ok()) {
        result.startResult = ::GetLastError();
        return result;
    }
    InheritList inherit({writeEnd.get(), nul.get()});
    if (inherit.get() == nullptr) {
        result.startResult = ::GetLastError();
        return result;
    }

    std::wstring program = toWide(program_);
    std::wstring commandLine = quoteArgument(program);
    for (const std::string& word : arguments_) commandLine += L" " + quoteArgument(toWide(word));
    commandLine += L" " + quoteArgument(toWide(target));

    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = nul.get();
    startup.StartupInfo.hStdOutput = writeEnd.get();
    startup.StartupInfo.hStdError = nul.get();
    startup.lpAttributeList = inherit.get();
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                          CREATE_NO_WINDOW | EXTENDED_STARTUPINFO_PRESENT, nullptr, nullptr,
                          &startup.StartupInfo, &started)) {
        result.startResult = ::GetLastError();
        return result;
    }
    OwnedHandle process(started.hProcess);
    OwnedHandle thread(started.hThread);
    // Ours closed, the pipe breaks when the child and whatever it started have let go of it.
    writeEnd.reset();
    nul.reset();

    using Steady = std::chrono::steady_clock;
    const auto deadline = Steady::now() + std::chrono::milliseconds(limit);
    bool ended = false;
    char buffer[4096];
    while (!ended) {
        if (stop.stopRequested()) {
            result.stopped = true;
            break;
        }
        DWORD available = 0;
        if (!::PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr)) {
            ended = true;  // the pipe is broken: every writer has ended
            break;
        }
        if (available > 0) {
            DWORD got = 0;
            DWORD wanted = available < sizeof buffer ? available : DWORD{sizeof buffer};
            if (!::ReadFile(readEnd.get(), buffer, wanted, &got, nullptr)) {
                ended = true;
                break;
            }
            appendCapped(result.output, result.outputCut, buffer, got);
            continue;
        }
        // The program has ended and said all it will say, though something it started may
        // still hold the pipe.
        if (::WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) {
            DWORD left = 0;
            if (!::PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &left, nullptr) || left == 0)
                ended = true;
            continue;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            break;
        }
        ::WaitForSingleObject(process.get(),
                              static_cast<DWORD>(left.count() < kPollMs ? left.count() : kPollMs));
    }
    if (!ended) {
        ::TerminateProcess(process.get(), 1);
        ::WaitForSingleObject(process.get(), 5000);
    }
    // A ping ended at its limit keeps what it printed (a silent gateway's timed-out
    // requests); one stopped because the program is ending has no answer to give.
    if (result.stopped) {
        result.output.clear();
        result.outputCut = false;
    }
    return result;
}

}  // namespace zlx::platform::win32
