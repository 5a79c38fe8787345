#pragma once
// One control of a model window as a Windows control: brought up to date with the model's state
// of it, changing only what differs from what the control shows.

#include <windows.h>

#include <map>
#include <memory>

#include "ui/control.h"
#include "ui/drawn_text.h"
#include "ui/screen_scale.h"
#include "win32/icons.h"

namespace zlx::win32 {

// Smaller sizes of a dialog's font, for statics that draw a wide text whole.
class FontSizes {
  public:
    FontSizes() = default;
    ~FontSizes();
    FontSizes(const FontSizes&) = delete;
    FontSizes& operator=(const FontSizes&) = delete;
    // `base` at `height` pixels (a negative LOGFONT height: the character height).
    HFONT sized(HFONT base, int height);

  private:
    std::map<std::pair<HFONT, int>, HFONT> made_;
};

struct ShownControl {
    HWND hwnd = nullptr;
    ui::DialogRect rect{-1, -1, -1, -1};
    int iconId = -1;
    // Pixels the control is moved down so a smaller font stands on the dialog font's baseline.
    int baselineDrop = 0;
    ui::RichTextFollower follower;
    std::unique_ptr<ui::Graph> graph;
};

// The scale of the window that holds a control: its dialog units and dots per inch.
struct ControlScale {
    ui::BaseUnits units;
    int dpi;
};

struct ControlLooks {
    Icons& icons;
    FontSizes& fonts;
};

// Brings `shown` up to date with `control`; `dialog` is the window that holds it, whose dialog
// units place it.
void syncControl(ShownControl& shown, const ui::Control& control, HWND dialog, ControlScale scale,
                 ControlLooks looks);

}  // namespace zlx::win32
