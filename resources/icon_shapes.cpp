#include "resources/icon_shapes.h"

#include "resources/dialogs.h"

namespace zlx::resources {

namespace {

IconShape filled(IconShapeKind kind, IconBox box, std::uint32_t color, float radius = 0) {
    IconShape s;
    s.kind = kind;
    s.box = box;
    s.radius = radius;
    s.fill = color;
    return s;
}

IconShape polygon(std::vector<IconPoint> points, std::optional<std::uint32_t> fill,
                  std::optional<std::uint32_t> stroke = std::nullopt, float strokeWidth = 0) {
    IconShape s;
    s.kind = IconShapeKind::Polygon;
    s.points = std::move(points);
    s.fill = fill;
    s.stroke = stroke;
    s.strokeWidth = strokeWidth;
    return s;
}

IconShape line(IconPoint from, IconPoint to, std::uint32_t color, float width) {
    IconShape s;
    s.kind = IconShapeKind::Line;
    s.points = {from, to};
    s.stroke = color;
    s.strokeWidth = width;
    return s;
}

// A wave above the program icon's dot at (16, 24): the upper quarter of a circle.
IconShape wave(float radius) {
    IconShape s;
    s.kind = IconShapeKind::Arc;
    s.box = {16 - radius, 24 - radius, 2 * radius, 2 * radius};
    s.startDegrees = 45;
    s.sweepDegrees = 90;
    s.stroke = 0xFFFFFF;
    s.strokeWidth = 3;
    return s;
}

const std::vector<IconShape>& programIcon() {
    static const std::vector<IconShape> shapes = {
        filled(IconShapeKind::RoundedRect, {1, 1, 30, 30}, 0x1E5AA8, 6),
        wave(6),
        wave(11),
        wave(16),
        filled(IconShapeKind::Ellipse, {13.5f, 21.5f, 5, 5}, 0xFFFFFF),
    };
    return shapes;
}

const std::vector<IconShape>& waitingIcon() {
    constexpr std::uint32_t kFrame = 0x333333, kSand = 0xD9A43A;
    static const std::vector<IconShape> shapes = {
        line({7, 3}, {25, 3}, kFrame, 2),
        line({7, 29}, {25, 29}, kFrame, 2),
        polygon({{9, 4}, {23, 4}, {17, 16}, {23, 28}, {9, 28}, {15, 16}}, 0xE8F1FB, kFrame, 2),
        polygon({{12, 8}, {20, 8}, {16, 15}}, kSand),
        polygon({{16, 21}, {21, 27}, {11, 27}}, kSand),
    };
    return shapes;
}

const std::vector<IconShape>& warningIcon() {
    constexpr std::uint32_t kDark = 0x202020;
    static const std::vector<IconShape> shapes = {
        polygon({{16, 2}, {30.5f, 29}, {1.5f, 29}}, 0xF2C230, 0x5C4500, 1.5f),
        filled(IconShapeKind::RoundedRect, {14.5f, 10, 3, 11}, kDark, 1.5f),
        filled(IconShapeKind::Ellipse, {14.2f, 23.2f, 3.6f, 3.6f}, kDark),
    };
    return shapes;
}

}  // namespace

std::span<const IconShape> iconShapes(int iconId) {
    switch (iconId) {
        case kIconProgram:
            return programIcon();
        case kIconWaiting:
            return waitingIcon();
        case kIconWarning:
            return warningIcon();
        default:
            return {};
    }
}

}  // namespace zlx::resources
