#pragma once
// Pictures of the windows as Windows draws them, for the script's "shot" command: each window
// printed into a bitmap (PrintWindow), written as PNG by the Windows Imaging Component.

#include <windows.h>

#include <string>
#include <vector>

namespace zlx::win32 {

struct ScreenshotResult {
    std::vector<std::string> written;
    // Why a picture could not be written (the folder or the file, and the reason); empty when
    // every picture was written.
    std::string error;
};

// Writes `dir`/`name`-<slug>.png for every window of `windows` that is visible and not
// minimised, the slug made from its title (ui::titleSlug), creating `dir` when needed; a second
// window of the same title gets "-2", "-3" ... It stops at the first picture that cannot be
// written.
ScreenshotResult writeScreenshots(const std::vector<HWND>& windows, const std::string& dir,
                                  const std::string& name);

}  // namespace zlx::win32
