#pragma once
// The window model's colours, 0xRRGGBB, as Qt's.

#include <QColor>
#include <cstdint>

namespace zlx::qt {

inline QColor colorOf(std::uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace zlx::qt
