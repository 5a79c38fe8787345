#include "win32/graph_view.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ui/graph_layout.h"
#include "win32/dialog_template.h"
#include "win32/text.h"
#include "win32/window_dpi.h"

namespace zlx::win32 {

namespace {

COLORREF colorRefOf(std::uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

RECT rectOf(const ui::GraphBox& box) {
    return RECT{static_cast<LONG>(std::lround(box.left)), static_cast<LONG>(std::lround(box.top)),
                static_cast<LONG>(std::lround(box.right)),
                static_cast<LONG>(std::lround(box.bottom))};
}

UINT formatOf(ui::GraphAlign align) {
    const UINT line = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP;
    switch (align) {
        case ui::GraphAlign::Left:
            return line | DT_LEFT;
        case ui::GraphAlign::Centre:
            return line | DT_CENTER;
        case ui::GraphAlign::Right:
            break;
    }
    return line | DT_RIGHT;
}

void fill(HDC dc, const ui::GraphItem& fill) {
    RECT rect = rectOf(fill.box);
    HBRUSH brush = CreateSolidBrush(colorRefOf(fill.color));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void stroke(HDC dc, const ui::GraphItem& stroke) {
    if (stroke.points.empty()) return;
    // GDI draws styled pens only one pixel wide.
    const bool dashed = stroke.style == ui::GraphLineStyle::Dashed;
    HPEN pen = CreatePen(dashed ? PS_DASH : PS_SOLID,
                         dashed ? 1 : std::max(1, static_cast<int>(std::lround(stroke.width))),
                         colorRefOf(stroke.color));
    HGDIOBJ old = SelectObject(dc, pen);
    std::vector<POINT> points;
    for (const ui::GraphPoint& p : stroke.points)
        points.push_back(
            POINT{static_cast<LONG>(std::lround(p.x)), static_cast<LONG>(std::lround(p.y))});
    Polyline(dc, points.data(), static_cast<int>(points.size()));
    SelectObject(dc, old);
    DeleteObject(pen);
}

void write(HDC dc, const ui::GraphItem& text) {
    RECT rect = rectOf(text.box);
    std::wstring shown = shownText(text.text);
    SetTextColor(dc, colorRefOf(text.color));
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &rect, formatOf(text.align));
}

void paint(HWND window, HDC dc, const ui::Graph& graph) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(GetParent(window), WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    ui::GraphMetrics m;
    m.width = client.right;
    m.height = client.bottom;
    m.lineHeight = metrics.tmHeight;
    // The monitor's scale, which the DC's own number (the system's) does not follow.
    m.scale = ui::scaleOf(windowDpi(window));
    m.textWidth = [dc](const std::string& text) {
        std::wstring shown = shownText(text);
        SIZE size{};
        GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
        return static_cast<double>(size.cx);
    };
    for (const ui::GraphItem& item : ui::layOutGraph(graph, m).items) {
        switch (item.kind) {
            case ui::GraphItem::Kind::Fill:
                fill(dc, item);
                break;
            case ui::GraphItem::Kind::Stroke:
                stroke(dc, item);
                break;
            case ui::GraphItem::Kind::Text:
                write(dc, item);
                break;
        }
    }
}

LRESULT CALLBACK graphProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            if (auto* graph = reinterpret_cast<const ui::Graph*>(GetWindowLongPtrW(window, 0)))
                paint(window, dc, *graph);
            EndPaint(window, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            if (auto* graph = reinterpret_cast<const ui::Graph*>(GetWindowLongPtrW(window, 0)))
                paint(window, reinterpret_cast<HDC>(wParam), *graph);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

void registerGraphClass(HINSTANCE instance) {
    WNDCLASSW graphClass{};
    // The layout depends on the whole size, so a resized graph is drawn again whole.
    graphClass.style = CS_HREDRAW | CS_VREDRAW;
    graphClass.lpfnWndProc = &graphProc;
    graphClass.cbWndExtra = sizeof(LONG_PTR);
    graphClass.hInstance = instance;
    graphClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    graphClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    graphClass.lpszClassName = kGraphClass;
    RegisterClassW(&graphClass);
}

void showGraph(HWND control, const ui::Graph* graph) {
    SetWindowLongPtrW(control, 0, reinterpret_cast<LONG_PTR>(graph));
    InvalidateRect(control, nullptr, TRUE);
}

}  // namespace zlx::win32
