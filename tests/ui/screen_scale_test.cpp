// Sizes at a monitor's scale: what a window draws at each number of dots per inch, and dialog
// units mapped as Windows maps them.
#include <gtest/gtest.h>

#include "ui/screen_scale.h"

namespace zlx::ui {
namespace {

TEST(ScreenScaleTest, SizesFollowTheMonitorsDotsPerInch) {
    struct Row {
        int dpi;
        int smallIcon, largeIcon;
        int fontHeight;  // MS Shell Dlg's 8 points
        int gap;         // 7 pixels at 96
        double scale;
    };
    const Row rows[] = {
        {96, 16, 32, -11, 7, 1.0},
        {120, 20, 40, -13, 9, 1.25},
        {144, 24, 48, -16, 11, 1.5},
        {168, 28, 56, -19, 12, 1.75},
        {192, 32, 64, -21, 14, 2.0},
        {288, 48, 96, -32, 21, 3.0},
        // A number that did not arrive counts as 100 %.
        {0, 16, 32, -11, 7, 1.0},
        {-144, 16, 32, -11, 7, 1.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.dpi);
        EXPECT_EQ(iconSize(IconRole::Small, r.dpi), r.smallIcon);
        EXPECT_EQ(iconSize(IconRole::Large, r.dpi), r.largeIcon);
        EXPECT_EQ(fontHeight(8, r.dpi), r.fontHeight);
        EXPECT_EQ(scaledPixels(7, r.dpi), r.gap);
        EXPECT_DOUBLE_EQ(scaleOf(r.dpi), r.scale);
    }
}

TEST(ScreenScaleTest, DialogUnitsMapEdgeByEdgeAtEachFontsBaseUnits) {
    struct Row {
        int alphabetWidth, height;  // the dialog font as measured
        BaseUnits units;
        DialogRect rect;
        PixelRect pixels;
        int unitsAcross, unitsDown;  // of the pixel rectangle's right and bottom
    };
    const Row rows[] = {
        // MS Shell Dlg 8 pt at 96, 144 and 192 dots per inch.
        {338, 13, {7, 13}, {7, 10, 50, 14}, {12, 16, 100, 39}, 57, 24},
        {520, 19, {10, 19}, {7, 10, 50, 14}, {18, 24, 143, 57}, 57, 24},
        {676, 25, {13, 25}, {7, 10, 50, 14}, {23, 31, 185, 75}, 56, 24},
        // A font that measures nothing still maps: one pixel a unit.
        {0, 0, {1, 1}, {4, 8, 4, 8}, {1, 1, 2, 2}, 8, 16},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.alphabetWidth);
        const BaseUnits units = baseUnitsOf(r.alphabetWidth, r.height);
        EXPECT_EQ(units, r.units);
        const PixelRect pixels = toPixels(r.rect, units);
        EXPECT_EQ(pixels, r.pixels);
        EXPECT_EQ(unitsAcross(pixels.right, units), r.unitsAcross);
        EXPECT_EQ(unitsDown(pixels.bottom, units), r.unitsDown);
    }
}

}  // namespace
}  // namespace zlx::ui
