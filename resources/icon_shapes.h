#pragma once
// The program's icons as lists of shapes on a 32 x 32 design grid (the viewBox of the matching
// SVG files in resources/icons/). Every renderer draws an icon by filling and stroking its
// shapes in order, scaled to the size it needs.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zlx::resources {

struct IconPoint {
    float x = 0, y = 0;
};

enum class IconShapeKind {
    Polygon,      // `points`, closed
    Line,         // `points`, open
    RoundedRect,  // `box`, corners of `radius`
    Ellipse,      // inside `box`
    Arc,          // of the ellipse inside `box`, from `startDegrees` for `sweepDegrees`,
                  // counter-clockwise on the screen from three o'clock
};

struct IconBox {
    float x = 0, y = 0, width = 0, height = 0;
};

struct IconShape {
    IconShapeKind kind = IconShapeKind::Polygon;
    std::vector<IconPoint> points;
    IconBox box;
    float radius = 0;
    float startDegrees = 0, sweepDegrees = 0;
    std::optional<std::uint32_t> fill;    // 0xRRGGBB
    std::optional<std::uint32_t> stroke;  // 0xRRGGBB, with round caps and joins
    float strokeWidth = 0;
};

// The shapes of icon `iconId` (dialogs.h), in drawing order; empty for an icon the program
// does not have.
std::span<const IconShape> iconShapes(int iconId);

}  // namespace zlx::resources
