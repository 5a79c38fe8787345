// zlxdiag.exe's own resources, as Windows reads them from the file: the manifest, the icon and
// the version information, whose version is the project's.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(ProgramResourcesTest, ManifestIconAndVersionAreBuiltIn) {
    const std::wstring program = L"" ZLX_PROGRAM_EXE;
    HMODULE image = ::LoadLibraryExW(program.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    HRSRC manifest = ::FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    std::string text(static_cast<const char*>(::LockResource(::LoadResource(image, manifest))),
                     ::SizeofResource(image, manifest));
    EXPECT_THAT(text, HasSubstr("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    EXPECT_THAT(text, HasSubstr("PerMonitorV2"));
    EXPECT_THAT(text, HasSubstr("level=\"asInvoker\""));
    // The ANSI code page is part of what the program shows: it stays the system's.
    EXPECT_THAT(text, Not(HasSubstr("<activeCodePage")));
    EXPECT_NE(::FindResourceW(image, MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr);
    ::FreeLibrary(image);

    DWORD ignored = 0;
    DWORD size = ::GetFileVersionInfoSizeW(program.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(::GetFileVersionInfoW(program.c_str(), 0, size, block.data()));
    wchar_t* version = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\StringFileInfo\\040904B0\\ProductVersion",
                                 reinterpret_cast<void**>(&version), &length));
    EXPECT_EQ(std::wstring(version), L"" ZLX_PROJECT_VERSION);
    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    std::wstring numbers = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                           std::to_wstring(LOWORD(fixed->dwFileVersionMS));
    EXPECT_EQ(std::wstring(L"" ZLX_PROJECT_VERSION).rfind(numbers, 0), 0u) << numbers;
}

}  // namespace
