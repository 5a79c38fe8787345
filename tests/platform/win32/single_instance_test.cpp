#include "platform/win32/single_instance.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

#include "platform/win32/instance_scope.h"
#include "platform/win32/wide_text.h"

namespace zlx::platform::win32 {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(InstanceScopeTest, AnyTextMakesAScopeAndTwiceChangesNothing) {
    const std::pair<std::string, std::string> cases[] = {
        {"zlx", "Local\\zlx"},
        {"Local\\run\\a", "Local\\run_a"},
        {"Global\\zlx", "Global\\zlx"},
        {"C:\\Users\\me\\run", "Local\\C:_Users_me_run"},
    };
    for (const auto& [text, scope] : cases) {
        EXPECT_EQ(scopeFromName(text), scope);
        EXPECT_EQ(scopeFromName(scope), scope);
    }
    EXPECT_EQ(objectName("Local\\zlx", "a\\b"), "Local\\zlx.a_b");
}

TEST(InstanceScopeTest, TheSharedScopeFollowsTheVariable) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "Local\\zlxdiag"},
        {"C:\\runs\\one", "Local\\C:_runs_one"},
        {"\xE5\xAE\x9F\xE8\xA1\x8C", "Local\\\xE5\xAE\x9F\xE8\xA1\x8C"},  // read as UTF-16
    };
    // Set in UTF-16, as Explorer or a console would: the narrow CRT functions would go through
    // the ANSI code page, which cannot hold every name.
    const wchar_t* variable = L"ZLXDIAG_INSTANCE_DIR";
    for (const auto& [value, scope] : cases) {
        ::SetEnvironmentVariableW(variable, value.empty() ? nullptr : toWide(value).c_str());
        EXPECT_EQ(sharedInstanceScope(), scope) << value;
    }
    ::SetEnvironmentVariableW(variable, nullptr);
}

TEST(InstanceScopeTest, PrivateScopesNameThisProcessAndNeverRepeat) {
    PrivateInstanceScope one, two;
    std::string prefix = "Local\\zlxdiag-run-" + std::to_string(currentProcessId()) + "-";
    EXPECT_THAT(one.path(), StartsWith(prefix));
    EXPECT_THAT(two.path(), StartsWith(prefix));
    EXPECT_NE(one.path(), two.path());
    EXPECT_EQ(one.error(), "");
}

// Pipes have no session namespaces: a "Local\" scope must still give every logon session a pipe
// of its own, or one user's second copy would activate another user's window.
TEST(InstanceScopeTest, EachSessionHasItsOwnActivationPipeUnlessTheScopeIsGlobal) {
    const struct {
        std::string base;
        bool perSession;
    } cases[] = {
        {"Local\\zlxdiag.{6F1D3C2A}", true},
        {"Local\\C:_runs_one.{6F1D3C2A}", true},
        {"Global\\zlxdiag.{6F1D3C2A}", false},
    };
    for (const auto& c : cases) {
        std::wstring one = activationPipeName(c.base, 1), two = activationPipeName(c.base, 2);
        EXPECT_EQ(one != two, c.perSession) << c.base;
        for (const std::wstring& name : {one, two}) {
            ASSERT_THAT(name, StartsWith(L"\\\\.\\pipe\\"));
            EXPECT_EQ(name.find(L'\\', 9), std::wstring::npos) << c.base;
            EXPECT_TRUE(name.ends_with(toWide(c.base.substr(c.base.find('\\') + 1)))) << c.base;
        }
    }
}

class Win32SingleInstanceTest : public ::testing::Test {
  protected:
    PrivateInstanceScope scope_;
};

TEST_F(Win32SingleInstanceTest, SecondCopyFindsTheMutexTakenAndReadsTheFirstCopysWindow) {
    {
        Win32SingleInstance first("{guid}", scope_.path()), second("{guid}", scope_.path());
        ASSERT_TRUE(first.createMutex());
        first.writeSharedMainWindow(0x1234'5678'9ABC);
        EXPECT_FALSE(second.createMutex());
        EXPECT_EQ(second.readSharedMainWindow(), 0x1234'5678'9ABCu);
        first.releaseMutex();
        EXPECT_TRUE(second.createMutex());
        EXPECT_EQ(first.readSharedMainWindow(), 0u);  // the new first copy starts at zero
    }
    Win32SingleInstance later("{guid}", scope_.path());
    EXPECT_TRUE(later.createMutex());  // nothing is left behind
}

TEST_F(Win32SingleInstanceTest, ActivationReachesTheHolderOnlyWhileItListens) {
    Win32SingleInstance first("{guid}", scope_.path()), second("{guid}", scope_.path());
    EXPECT_FALSE(second.requestActivation(1));  // no copy runs
    std::atomic<std::uint64_t> asked{0};
    first.setActivationHandler([&](std::uint64_t window) { asked = window; });
    EXPECT_FALSE(second.requestActivation(2));  // a copy without the mutex does not listen
    ASSERT_TRUE(first.createMutex());
    for (std::uint64_t window : {77ull, 0xFFFF'FFFF'0000'0001ull}) {  // one request after another
        EXPECT_TRUE(second.requestActivation(window));
        EXPECT_EQ(asked.load(), window);  // handled before the request returned
    }
    first.setActivationHandler(nullptr);
    EXPECT_FALSE(second.requestActivation(78));
    first.setActivationHandler([&](std::uint64_t window) { asked = window; });
    EXPECT_TRUE(second.requestActivation(79));
    first.releaseMutex();
    EXPECT_FALSE(second.requestActivation(80));
    EXPECT_EQ(asked.load(), 79u);
}

// Without the mutex nobody can tell whether another copy runs: that is reported.
TEST_F(Win32SingleInstanceTest, AMutexThatCannotBeMadeIsAnError) {
    // Another kind of kernel object already has the mutex's name.
    std::string name = objectName(scope_.path(), "{guid}");
    HANDLE squatter = ::CreateEventW(nullptr, TRUE, FALSE, toWide(name).c_str());
    ASSERT_NE(squatter, nullptr);
    Win32SingleInstance instance("{guid}", scope_.path());
    try {
        instance.createMutex();
        ADD_FAILURE() << "a mutex that cannot be made was taken";
    } catch (const InstanceError& e) {
        EXPECT_THAT(e.what(), HasSubstr("the mutex " + name + " cannot be made: "));
    }
    ::CloseHandle(squatter);
}

}  // namespace
}  // namespace zlx::platform::win32
