#include "win32/graph_view.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "win32/dialog_template.h"
#include "win32/text.h"

namespace zlx::win32 {

namespace {

constexpr int kTicks = 4;

COLORREF colorOf(std::uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::wstring number(double value, const std::string& unit) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g ", value);
    return shownText(text + unit);
}

void drawText(HDC dc, int x, int y, const std::wstring& text) {
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void paint(HWND window, HDC dc, const ui::Graph& graph) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (graph.panels.empty() || graph.capacity < 2) return;
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(GetParent(window), WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    const int line = metrics.tmHeight;
    SIZE size;
    int labelWidth = 0;
    for (const ui::GraphPanel& panel : graph.panels)
        for (double v : {panel.left.min, panel.left.max}) {
            std::wstring label = number(v, panel.left.unit);
            GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &size);
            labelWidth = std::max<int>(labelWidth, size.cx);
        }
    const int left = labelWidth + 8;
    const int right = client.right - 6 * metrics.tmAveCharWidth;
    const int bottomAll = client.bottom - line - 4;
    const int panels = static_cast<int>(graph.panels.size());
    const int panelHeight = (bottomAll - 2) / panels;
    auto xOf = [&](std::size_t sample) {
        return left + static_cast<int>(static_cast<double>(sample) * (right - left) /
                                       static_cast<double>(graph.capacity - 1));
    };
    HPEN grey = CreatePen(PS_SOLID, 1, RGB(0x80, 0x80, 0x80));
    for (int p = 0; p < panels; ++p) {
        const ui::GraphPanel& panel = graph.panels[static_cast<std::size_t>(p)];
        const int top = 2 + p * panelHeight + line + 2;
        const int bottom = 2 + (p + 1) * panelHeight - 6;
        SetTextColor(dc, RGB(0, 0, 0));
        std::wstring title = shownText(panel.title);
        for (const ui::GraphPlot& plot : panel.plots) {
            const ui::GraphAxis& axis = plot.rightAxis && panel.right ? *panel.right : panel.left;
            title += L"   " + shownText(plot.label) + L" (" + shownText(axis.unit) + L")";
        }
        drawText(dc, left, top - line - 1, title);
        HGDIOBJ old = SelectObject(dc, grey);
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, left, top, right, bottom);
        SelectObject(dc, old);
        for (int i = 0; i <= kTicks; i += kTicks) {
            const int y = bottom - i * (bottom - top) / kTicks - line / 2;
            std::wstring label = number(
                panel.left.min + i * (panel.left.max - panel.left.min) / kTicks, panel.left.unit);
            drawText(dc, 2, y, label);
            if (panel.right)
                drawText(
                    dc, right + 4, y,
                    number(panel.right->min + i * (panel.right->max - panel.right->min) / kTicks,
                           panel.right->unit));
        }
        for (const ui::GraphMark& mark : graph.marks) {
            HPEN pen = CreatePen(PS_DOT, 1, colorOf(mark.color));
            old = SelectObject(dc, pen);
            MoveToEx(dc, xOf(mark.sample), top, nullptr);
            LineTo(dc, xOf(mark.sample), bottom);
            SelectObject(dc, old);
            DeleteObject(pen);
            if (p == 0) drawText(dc, xOf(mark.sample) + 3, top + 2, shownText(mark.label));
        }
        for (const ui::GraphPlot& plot : panel.plots) {
            const ui::GraphAxis& axis = plot.rightAxis && panel.right ? *panel.right : panel.left;
            HPEN pen = CreatePen(PS_SOLID, 2, colorOf(plot.color));
            old = SelectObject(dc, pen);
            bool drawing = false;
            for (std::size_t i = 0; i < plot.values.size(); ++i) {
                if (!plot.values[i]) {
                    drawing = false;
                    continue;
                }
                double t = axis.max > axis.min
                               ? (*plot.values[i] - axis.min) / (axis.max - axis.min)
                               : 0.0;
                int y = bottom - static_cast<int>(std::clamp(t, 0.0, 1.0) * (bottom - top));
                if (drawing)
                    LineTo(dc, xOf(i), y);
                else
                    MoveToEx(dc, xOf(i), y, nullptr);
                drawing = true;
            }
            SelectObject(dc, old);
            DeleteObject(pen);
        }
    }
    DeleteObject(grey);
    SetTextColor(dc, RGB(0, 0, 0));
    const double span = static_cast<double>(graph.capacity - 1) * graph.secondsPerSample / 60.0;
    drawText(dc, left, bottomAll, L"-" + number(span, graph.timeUnit));
    drawText(dc, right - 2 * metrics.tmAveCharWidth, bottomAll, L"0");
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
