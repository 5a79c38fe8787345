#include "win32/icons.h"

#include <algorithm>
// GDI+ needs the COM types that WIN32_LEAN_AND_MEAN leaves out of <windows.h>.
#include <objidl.h>

#include <gdiplus.h>

#include "resources/dialogs.h"

namespace zlx::win32 {

namespace {

using namespace Gdiplus;
// Each painter draws on a 32 x 32 design grid, the viewBox of the matching SVG file.
using Painter = void (*)(Graphics&);

void paintProgram(Graphics& g) {
    GraphicsPath box;
    const REAL r = 6, d = 2 * r;
    box.AddArc(1.0f, 1.0f, d, d, 180, 90);
    box.AddArc(31 - d, 1.0f, d, d, 270, 90);
    box.AddArc(31 - d, 31 - d, d, d, 0, 90);
    box.AddArc(1.0f, 31 - d, d, d, 90, 90);
    box.CloseFigure();
    SolidBrush blue(Color(255, 0x1e, 0x5a, 0xa8));
    g.FillPath(&blue, &box);
    Pen wave(Color(255, 255, 255, 255), 3);
    wave.SetStartCap(LineCapRound);
    wave.SetEndCap(LineCapRound);
    // Three waves above the dot, centred on (16, 24).
    for (REAL radius : {6.0f, 11.0f, 16.0f})
        g.DrawArc(&wave, 16 - radius, 24 - radius, 2 * radius, 2 * radius, 225, 90);
    SolidBrush white(Color(255, 255, 255, 255));
    g.FillEllipse(&white, 13.5f, 21.5f, 5.0f, 5.0f);
}

void paintWaiting(Graphics& g) {
    Pen frame(Color(255, 0x33, 0x33, 0x33), 2);
    frame.SetStartCap(LineCapRound);
    frame.SetEndCap(LineCapRound);
    frame.SetLineJoin(LineJoinRound);
    g.DrawLine(&frame, 7, 3, 25, 3);
    g.DrawLine(&frame, 7, 29, 25, 29);
    PointF glass[] = {{9, 4}, {23, 4}, {17, 16}, {23, 28}, {9, 28}, {15, 16}};
    SolidBrush light(Color(255, 0xe8, 0xf1, 0xfb));
    g.FillPolygon(&light, glass, 6);
    g.DrawPolygon(&frame, glass, 6);
    SolidBrush sand(Color(255, 0xd9, 0xa4, 0x3a));
    PointF top[] = {{12, 8}, {20, 8}, {16, 15}};
    PointF bottom[] = {{16, 21}, {21, 27}, {11, 27}};
    g.FillPolygon(&sand, top, 3);
    g.FillPolygon(&sand, bottom, 3);
}

void paintWarning(Graphics& g) {
    Pen edge(Color(255, 0x5c, 0x45, 0x00), 1.5f);
    edge.SetLineJoin(LineJoinRound);
    PointF triangle[] = {{16, 2}, {30.5f, 29}, {1.5f, 29}};
    SolidBrush yellow(Color(255, 0xf2, 0xc2, 0x30));
    g.FillPolygon(&yellow, triangle, 3);
    g.DrawPolygon(&edge, triangle, 3);
    SolidBrush dark(Color(255, 0x20, 0x20, 0x20));
    g.FillRectangle(&dark, 14.5f, 10.0f, 3.0f, 11.0f);
    g.FillEllipse(&dark, 14.2f, 23.2f, 3.6f, 3.6f);
}

Painter painterFor(int iconId) {
    switch (iconId) {
        case resources::kIconProgram:
            return &paintProgram;
        case resources::kIconWaiting:
            return &paintWaiting;
        case resources::kIconWarning:
            return &paintWarning;
        default:
            return nullptr;
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
    if (Painter paint = painterFor(iconId); paint && gdiplus_ && size > 0) {
        Bitmap bitmap(size, size, PixelFormat32bppARGB);
        {
            Graphics g(&bitmap);
            g.SetSmoothingMode(SmoothingModeAntiAlias);
            g.Clear(Color(0, 0, 0, 0));
            g.ScaleTransform(size / 32.0f, size / 32.0f);
            paint(g);
        }
        bitmap.GetHICON(&made);
    }
    made_[key] = made;
    return made;
}

}  // namespace zlx::win32
