#include <gtest/gtest.h>

#include "sim/windows_path.h"

namespace zlx::sim {
namespace {

struct PathCase {
    const char* path;
    const char* normalized;
};

class WindowsPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(WindowsPathTest, NormalisesAsWin32Does) {
    EXPECT_EQ(normalizeWindowsPath(GetParam().path), GetParam().normalized);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, WindowsPathTest,
    ::testing::Values(PathCase{"C:\\Suite\\help\\en-US\\x.chm", "C:\\Suite\\help\\en-US\\x.chm"},
                      PathCase{"C:\\Suite\\\\help\\\\x.chm", "C:\\Suite\\help\\x.chm"},
                      PathCase{"C:/Suite/help", "C:\\Suite\\help"},
                      PathCase{"C:\\Suite\\.\\help\\..\\x.chm", "C:\\Suite\\x.chm"},
                      PathCase{"C:\\..\\x", "C:\\x"}, PathCase{"C:\\Windows\\", "C:\\Windows\\"},
                      PathCase{"C:\\", "C:\\"}, PathCase{"relative\\\\path", "relative\\path"}));

TEST(WindowsPathKey, IgnoresLetterCase) {
    EXPECT_EQ(windowsPathKey("C:\\Program Files\\NORVANE\\\\Help"),
              windowsPathKey("c:\\program files\\norvane\\help"));
}

}  // namespace
}  // namespace zlx::sim
