#include "win32/control_sync.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win32/accessible_control.h"
#include "win32/graph_view.h"
#include "win32/text.h"
#include "win32/window_dpi.h"

namespace zlx::win32 {

namespace {

// True when the text changed.
bool setText(HWND hwnd, const std::wstring& text) {
    if (windowText(hwnd) == text) return false;
    SetWindowTextW(hwnd, text.c_str());
    return true;
}

// The dialog font, or the largest smaller size of it in which the text fits the control's
// width. Answers how far the chosen font's baseline lies above the dialog font's, in pixels.
int fitFont(HWND hwnd, const std::wstring& text, HWND dialog, FontSizes& fonts) {
    HFONT base = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    RECT client;
    GetClientRect(hwnd, &client);
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, base);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int baseAscent = metrics.tmAscent;
    HFONT chosen = base;
    if (size.cx > client.right && size.cx > 0) {
        // Down from the dialog font's own size: glyph widths do not scale exactly, so the
        // widths' ratio would guess too small a size.
        for (int height = metrics.tmHeight - metrics.tmInternalLeading - 1; height > 1; --height) {
            chosen = fonts.sized(base, height);
            SelectObject(dc, chosen);
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            if (size.cx <= client.right) break;
        }
        GetTextMetricsW(dc, &metrics);
    }
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    if (reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)) != chosen)
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
    return baseAscent - metrics.tmAscent;
}

// The control at its rectangle, moved down by `drop` pixels (its bottom kept) so that a
// smaller font's text stands on the line the dialog font's would.
void place(const ShownControl& shown, HWND dialog, ControlScale scale) {
    RECT was;
    GetWindowRect(shown.hwnd, &was);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&was), 2);
    const ui::PixelRect placed = ui::toPixels(shown.rect, scale.units);
    const int top = std::min(placed.top + shown.baselineDrop, placed.bottom);
    SetWindowPos(shown.hwnd, nullptr, placed.left, top, placed.right - placed.left,
                 placed.bottom - top, SWP_NOZORDER | SWP_NOACTIVATE);
    // A group box draws only its frame: the dialog repaints where the old one was.
    InvalidateRect(dialog, &was, TRUE);
}

void syncList(HWND hwnd, const ui::Control& control) {
    std::vector<std::wstring> items;
    for (const std::string& item : control.items) items.push_back(shownText(item));
    bool same = SendMessageW(hwnd, CB_GETCOUNT, 0, 0) == static_cast<LRESULT>(items.size());
    for (std::size_t i = 0; same && i < items.size(); ++i) {
        LRESULT length = SendMessageW(hwnd, CB_GETLBTEXTLEN, i, 0);
        std::wstring shown(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(hwnd, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(shown.data()));
        shown.resize(static_cast<std::size_t>(length > 0 ? length : 0));
        same = shown == items[i];
    }
    if (!same) {
        SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
        for (const std::wstring& item : items)
            SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    if (SendMessageW(hwnd, CB_GETCURSEL, 0, 0) != control.selection)
        SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(control.selection), 0);
}

void appendRich(HWND hwnd, const ui::TextRun& run, std::size_t from) {
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    LRESULT end = SendMessageW(hwnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    SendMessageW(hwnd, EM_SETSEL, static_cast<WPARAM>(end), end);
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR | CFM_BOLD | CFM_UNDERLINE;
    format.crTextColor = RGB((run.color >> 16) & 0xFF, (run.color >> 8) & 0xFF, run.color & 0xFF);
    format.dwEffects = (run.bold ? CFE_BOLD : 0) | (run.underline ? CFE_UNDERLINE : 0);
    SendMessageW(hwnd, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    std::wstring text = shownText(std::string_view(run.text).substr(from));
    SendMessageW(hwnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void syncRich(ShownControl& shown, const ui::Control& control) {
    ui::RichTextFollower::Update update = shown.follower.follow(control);
    if (update.restart) SetWindowTextW(shown.hwnd, L"");
    for (auto [run, from] : update.pieces) appendRich(shown.hwnd, control.runs[run], from);
    if (control.scrolledToEnd) SendMessageW(shown.hwnd, WM_VSCROLL, SB_BOTTOM, 0);
}

}  // namespace

FontSizes::~FontSizes() {
    for (auto& [key, font] : made_) DeleteObject(font);
}

HFONT FontSizes::sized(HFONT base, int height) {
    auto key = std::make_pair(base, height);
    if (auto found = made_.find(key); found != made_.end()) return found->second;
    LOGFONTW look{};
    GetObjectW(base, sizeof look, &look);
    look.lfHeight = -height;
    look.lfWidth = 0;
    HFONT made = CreateFontIndirectW(&look);
    made_[key] = made;
    return made;
}

void syncControl(ShownControl& shown, const ui::Control& control, HWND dialog, ControlScale scale,
                 ControlLooks looks) {
    HWND hwnd = shown.hwnd;
    if (!hwnd) return;
    const ui::DialogRect& r = control.rect;
    if (r.x != shown.rect.x || r.y != shown.rect.y || r.width != shown.rect.width ||
        r.height != shown.rect.height) {
        shown.rect = r;
        place(shown, dialog, scale);
    }
    if ((IsWindowEnabled(hwnd) != FALSE) != control.enabled) EnableWindow(hwnd, control.enabled);
    bool visible = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible != control.visible) ShowWindow(hwnd, control.visible ? SW_SHOWNA : SW_HIDE);
    switch (control.kind) {
        case ui::ControlKind::Static: {
            std::wstring text = shownText(control.text);
            if (control.style & ui::kStyleFitWidth)
                if (int drop = fitFont(hwnd, text, dialog, looks.fonts);
                    drop != shown.baselineDrop) {
                    shown.baselineDrop = drop;
                    place(shown, dialog, scale);
                }
            // Windows tells of a new text as a new name; a value's static is named by its
            // label, and its text is its value.
            if (setText(hwnd, text)) announceValueChange(hwnd);
            break;
        }
        case ui::ControlKind::PushButton:
        case ui::ControlKind::GroupBox:
        case ui::ControlKind::Edit:
            setText(hwnd, shownText(control.text));
            break;
        case ui::ControlKind::RadioButton:
            setText(hwnd, shownText(control.text));
            if ((SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) != control.checked)
                SendMessageW(hwnd, BM_SETCHECK, control.checked ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ui::ControlKind::DropDownList:
            syncList(hwnd, control);
            break;
        case ui::ControlKind::Progress: {
            // An empty range is no range the control takes.
            int high =
                control.rangeMax > control.rangeMin ? control.rangeMax : control.rangeMin + 1;
            SendMessageW(hwnd, PBM_SETRANGE32, static_cast<WPARAM>(control.rangeMin), high);
            SendMessageW(hwnd, PBM_SETPOS, static_cast<WPARAM>(control.position), 0);
            break;
        }
        case ui::ControlKind::Icon:
            if (shown.iconId != control.iconId) {
                shown.iconId = control.iconId;
                SendMessageW(hwnd, STM_SETICON,
                             reinterpret_cast<WPARAM>(looks.icons.icon(
                                 control.iconId, iconSizeAt(ui::IconRole::Large, scale.dpi))),
                             0);
            }
            break;
        case ui::ControlKind::RichText:
            syncRich(shown, control);
            break;
        case ui::ControlKind::Graph:
            if (!shown.graph || *shown.graph != control.graph) {
                shown.graph = std::make_unique<ui::Graph>(control.graph);
                showGraph(hwnd, shown.graph.get());
                announceValueChange(hwnd);
            }
            break;
    }
}

}  // namespace zlx::win32
