#include "win32/icons.h"

#include <algorithm>
#include <span>
#include <vector>
// GDI+ needs the COM types that WIN32_LEAN_AND_MEAN leaves out of <windows.h>.
#include <objidl.h>

#include <gdiplus.h>

#include "resources/icon_shapes.h"

namespace zlx::win32 {

namespace {

using namespace Gdiplus;
Color gdiplusColorOf(std::uint32_t rgb) {
    return Color(255, (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::vector<PointF> pointsOf(const std::vector<resources::IconPoint>& points) {
    std::vector<PointF> out;
    for (const resources::IconPoint& p : points) out.emplace_back(p.x, p.y);
    return out;
}

void roundedRect(GraphicsPath& path, const resources::IconBox& b, REAL r) {
    const REAL d = 2 * r;
    path.AddArc(b.x, b.y, d, d, 180, 90);
    path.AddArc(b.x + b.width - d, b.y, d, d, 270, 90);
    path.AddArc(b.x + b.width - d, b.y + b.height - d, d, d, 0, 90);
    path.AddArc(b.x, b.y + b.height - d, d, d, 90, 90);
    path.CloseFigure();
}

// Draws the shapes on the 32 x 32 design grid. GDI+ turns its angles clockwise, the shapes'
// turn counter-clockwise.
void paintShapes(Graphics& g, std::span<const resources::IconShape> shapes) {
    for (const resources::IconShape& s : shapes) {
        GraphicsPath path;
        const resources::IconBox& b = s.box;
        const std::vector<PointF> points = pointsOf(s.points);
        switch (s.kind) {
            case resources::IconShapeKind::Polygon:
                path.AddPolygon(points.data(), static_cast<INT>(points.size()));
                break;
            case resources::IconShapeKind::Line:
                path.AddLines(points.data(), static_cast<INT>(points.size()));
                break;
            case resources::IconShapeKind::RoundedRect:
                roundedRect(path, b, s.radius);
                break;
            case resources::IconShapeKind::Ellipse:
                path.AddEllipse(b.x, b.y, b.width, b.height);
                break;
            case resources::IconShapeKind::Arc:
                path.AddArc(b.x, b.y, b.width, b.height, -(s.startDegrees + s.sweepDegrees),
                            s.sweepDegrees);
                break;
        }
        if (s.fill) {
            SolidBrush brush(gdiplusColorOf(*s.fill));
            g.FillPath(&brush, &path);
        }
        if (s.stroke) {
            Pen pen(gdiplusColorOf(*s.stroke), s.strokeWidth);
            pen.SetStartCap(LineCapRound);
            pen.SetEndCap(LineCapRound);
            pen.SetLineJoin(LineJoinRound);
            g.DrawPath(&pen, &path);
        }
    }
}

}  // namespace

Icons::Icons() {
    GdiplusStartupInput input;
    GdiplusStartup(&gdiplus_, &input, nullptr);
}

Icons::~Icons() {
    for (auto& [key, icon] : made_)
        if (icon) DestroyIcon(icon);
    if (gdiplus_) GdiplusShutdown(gdiplus_);
}

HICON Icons::icon(int iconId, int size) {
    auto key = std::make_pair(iconId, size);
    if (auto found = made_.find(key); found != made_.end()) return found->second;
    HICON made = nullptr;
    if (auto shapes = resources::iconShapes(iconId); !shapes.empty() && gdiplus_ && size > 0) {
        Bitmap bitmap(size, size, PixelFormat32bppARGB);
        {
            Graphics g(&bitmap);
            g.SetSmoothingMode(SmoothingModeAntiAlias);
            g.Clear(Color(0, 0, 0, 0));
            g.ScaleTransform(size / 32.0f, size / 32.0f);
            paintShapes(g, shapes);
        }
        bitmap.GetHICON(&made);
    }
    made_[key] = made;
    return made;
}

}  // namespace zlx::win32
