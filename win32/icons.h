#pragma once
// The program's icons (resources/icons/*.svg), drawn with GDI+ into icon handles at the sizes
// asked for. The shapes are those qt/icons.cpp draws.

#include <windows.h>

#include <map>
#include <utility>

namespace zlx::win32 {

class Icons {
  public:
    Icons();
    ~Icons();
    Icons(const Icons&) = delete;
    Icons& operator=(const Icons&) = delete;

    // The icon `iconId` at `size` pixels, kept until this object goes; null for a number the
    // program has no icon for.
    HICON icon(int iconId, int size);

  private:
    ULONG_PTR gdiplus_ = 0;
    std::map<std::pair<int, int>, HICON> made_;
};

}  // namespace zlx::win32
