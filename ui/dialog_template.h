#pragma once
// Dialog templates: what a resource script's DIALOG statement holds.

#include <string>
#include <vector>

#include "ui/control.h"

namespace zlx::ui {

struct ControlTemplate {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    std::string text;  // used when textId is 0 or the string does not load
    int textId = 0;    // string table number
    DialogRect rect;
    std::uint32_t style = kStyleNone;
    int iconId = 0;
};

struct DialogTemplate {
    int id = 0;
    std::string title;
    int width = 0, height = 0;  // dialog units
    std::vector<ControlTemplate> controls;
    // A sizing frame with a maximise box; the template's size is the smallest.
    bool resizable = false;
};

}  // namespace zlx::ui
