#include "qt/dialog_units.h"

#include <QFontMetrics>
#include <cmath>

namespace zlx::qt {

namespace {
// MulDiv: the product divided with rounding to the nearest integer.
int mulDiv(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}
}  // namespace

DialogUnits DialogUnits::fromFont(const QFont& font) {
    QFontMetrics metrics(font);
    // GdiGetCharDimensions: the 52 letters' width halved twice over 26, rounded.
    int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    int baseX = (width / 26 + 1) / 2;
    return DialogUnits(baseX > 0 ? baseX : 1, metrics.height() > 0 ? metrics.height() : 1);
}

int DialogUnits::x(int units) const {
    return mulDiv(units, baseX_, 4);
}

int DialogUnits::y(int units) const {
    return mulDiv(units, baseY_, 8);
}

QRect DialogUnits::rect(const ui::DialogRect& r) const {
    int left = x(r.x), top = y(r.y);
    return QRect(left, top, x(r.x + r.width) - left, y(r.y + r.height) - top);
}

int onDevicePixel(int value, qreal ratio) {
    for (int candidate = value; candidate > value - 8; --candidate) {
        qreal device = candidate * ratio;
        if (std::abs(device - std::round(device)) < 0.01) return candidate;
    }
    return value;
}

}  // namespace zlx::qt
