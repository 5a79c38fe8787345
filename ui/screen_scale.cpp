#include "ui/screen_scale.h"

#include <algorithm>
#include <cstdint>

namespace zlx::ui {

namespace {

// Windows' MulDiv: the product divided with rounding half away from zero.
int mulDiv(int value, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

constexpr int kPointsPerInch = 72;
constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;

// A monitor that gives no number is taken at 100 %.
int known(int dpi) {
    return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

int scaledPixels(int pixels, int dpi) {
    return mulDiv(pixels, known(dpi), kBaseDpi);
}

double scaleOf(int dpi) {
    return static_cast<double>(known(dpi)) / kBaseDpi;
}

int fontHeight(int points, int dpi) {
    return -mulDiv(points, known(dpi), kPointsPerInch);
}

int iconSize(IconRole role, int dpi) {
    return scaledPixels(role == IconRole::Small ? kSmallIcon : kLargeIcon, dpi);
}

BaseUnits baseUnitsOf(int alphabetWidth, int height) {
    return BaseUnits{std::max(1, (alphabetWidth / 26 + 1) / 2), std::max(1, height)};
}

PixelRect toPixels(const DialogRect& rect, BaseUnits units) {
    return PixelRect{mulDiv(rect.x, units.x, 4), mulDiv(rect.y, units.y, 8),
                     mulDiv(rect.x + rect.width, units.x, 4),
                     mulDiv(rect.y + rect.height, units.y, 8)};
}

int unitsAcross(int pixels, BaseUnits units) {
    return pixels * 4 / std::max(1, units.x);
}

int unitsDown(int pixels, BaseUnits units) {
    return pixels * 8 / std::max(1, units.y);
}

}  // namespace zlx::ui
