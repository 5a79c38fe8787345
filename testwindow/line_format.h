#pragma once
// How the test window writes each kind of line.

#include <cstdint>
#include <ctime>
#include <string>

#include "ui/control.h"

namespace zlx::testwindow {

enum LineKind : std::uint32_t {
    kLineChannel = 0,
    kLineName = 10,
    kLineDescription = 20,
    kLineDetails = 30,
    kLinePassed = 40,
    kLineFailed = 50,
    kLineAdvice = 60,
    kLineEndOfBlock = 70,
};

// The advice's green: pure green darkened only as far as text on white needs for a contrast of
// 4.5:1 (4.53:1), so it still reads as the green of advice.
inline constexpr std::uint32_t kAdviceColor = 0x008A00;

// Colour and effects of a coloured line; black without effects for kinds not listed.
ui::CharFormat lineFormat(std::uint32_t kind);

// A details line of a test block as the window shows it: the label padded to 28 characters
// with period-blank pairs and ended by ": ", then the value. A label longer than 26 characters
// only gets the colon and blank (after a blank when its length is odd).
std::string detailsLine(std::string label, const std::string& value);

// "%H:%M:%S " of the given local time.
std::string timePrefix(const std::tm& localTime);

}  // namespace zlx::testwindow
