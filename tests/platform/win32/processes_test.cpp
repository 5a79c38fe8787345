// The ping through CreateProcessW, with a stand-in program (ping_child.cpp) in place of
// ping.exe. These start real processes, so they run on real time.

#include "platform/win32/processes.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace zlx::platform::win32 {
namespace {

// The build names it by its Unix path, which Wine shows as drive Z:.
std::string childProgram() {
    std::string path = "Z:" PING_CHILD;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

Win32Processes child(const char* mode) {
    return Win32Processes(childProgram(), {mode});
}

TEST(Win32ProcessesTest, TheTargetIsOneArgumentAndTheOutputComesThroughThePipe) {
    StopSignal stop;
    PingResult result = child("echo").ping("1.2.3.4 \"quoted\" & echo injected\\", 10000, stop);
    EXPECT_EQ(result.startResult, kErrorSuccess);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.output, "echo\r\n1.2.3.4 \"quoted\" & echo injected\\\r\n");
}

// Wine 8 passes every inheritable handle, whatever PROC_THREAD_ATTRIBUTE_HANDLE_LIST says.
bool underWine() {
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

TEST(Win32ProcessesTest, TheChildInheritsOnlyItsStandardHandles) {
    if (underWine()) GTEST_SKIP() << "Wine ignores the list of handles to inherit";
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    wchar_t folder[MAX_PATH];
    ASSERT_GT(::GetTempPathW(MAX_PATH, folder), 0u);
    std::wstring name = std::wstring(folder) + L"zlx-inherit-probe-" +
                        std::to_wstring(::GetCurrentProcessId()) + L".tmp";
    HANDLE probe = ::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                 &inheritable, CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    ASSERT_NE(probe, INVALID_HANDLE_VALUE);
    StopSignal stop;
    PingResult result =
        child("inherit").ping(std::to_string(reinterpret_cast<std::uintptr_t>(probe)), 10000, stop);
    ::CloseHandle(probe);
    EXPECT_EQ(result.output, "not inherited\r\n");
}

TEST(Win32ProcessesTest, OutputPastTheCapIsCutAtALineAndSaysSo) {
    StopSignal stop;
    PingResult result = child("flood").ping("1.2.3.4", 30000, stop);
    EXPECT_FALSE(result.timedOut);
    EXPECT_TRUE(result.outputCut);
    EXPECT_LE(result.output.size(), kPingOutputCap);
    EXPECT_GT(result.output.size(), kPingOutputCap - 40);
    EXPECT_EQ(result.output.substr(0, 29), "Reply 00000 from 1.2.3.4\r\nRep");
    EXPECT_EQ(result.output.back(), '\n');
}

TEST(Win32ProcessesTest, EndingsOtherThanItsOwn) {
    struct Case {
        std::string program;
        const char* mode;
        Millis limit;
        bool stopFirst;
        Win32Error startResult;
        bool timedOut, stopped;
    };
    const Case cases[] = {
        {childProgram(), "hang", 300, false, kErrorSuccess, true, false},
        {childProgram(), "hang", 30000, true, kErrorSuccess, false, true},
        {"C:\\zlx-missing\\ping.exe", "echo", 1000, false, kErrorPathNotFound, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(c.limit));
        StopSignal stop;
        if (c.stopFirst) stop.requestStop();
        PingResult result = Win32Processes(c.program, {c.mode}).ping("1.2.3.4", c.limit, stop);
        EXPECT_EQ(result.startResult, c.startResult);
        EXPECT_EQ(result.timedOut, c.timedOut);
        EXPECT_EQ(result.stopped, c.stopped);
        EXPECT_EQ(result.output, "");
    }
}

}  // namespace
}  // namespace zlx::platform::win32
