#include "win32/window_view.h"

#include <commctrl.h>
// <commctrl.h> names a function of its own PropertySheet, which is the model's class here.
#undef PropertySheet

#include <algorithm>

#include "ui/accessible.h"
#include "ui/property_sheet.h"
#include "win32/dialog_template.h"
#include "win32/text.h"
#include "win32/window_dpi.h"

namespace zlx::win32 {

namespace {

// The id Windows' own property sheets give their tab control.
constexpr int kTabControlId = 0x3020;
// Sent by a sheet to each of its pages when its scale changes: lParam is the PagePlace.
constexpr UINT kRescalePage = WM_APP + 3;

const ui::PropertySheet* asSheet(const ui::Dialog& window) {
    return window.kind() == ui::WindowKind::Sheet ? static_cast<const ui::PropertySheet*>(&window)
                                                  : nullptr;
}

ui::BaseUnits mappedBaseUnits(HWND hwnd) {
    RECT base{0, 0, 4, 8};
    MapDialogRect(hwnd, &base);
    return ui::BaseUnits{std::max<int>(1, base.right), std::max<int>(1, base.bottom)};
}

void placeWindow(HWND hwnd, const RECT& rect, HWND after, UINT flags) {
    SetWindowPos(hwnd, after, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 flags | SWP_NOACTIVATE);
}

}  // namespace

WindowView::WindowView(const ui::Dialog& window, ViewContext context, HWND owner,
                       const PagePlace* page)
    : context_(context), handle_(window.handle()), topLevel_(page == nullptr) {
    std::vector<WORD> words =
        dialogTemplateWords(window, topLevel_ ? TemplateRole::TopLevel : TemplateRole::Child);
    CreateDialogIndirectParamW(context_.instance, reinterpret_cast<LPCDLGTEMPLATEW>(words.data()),
                               owner, &WindowView::dialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd_) return;
    // The dialog manager made one child per template item, in the template's order.
    controls_.resize(window.controls().size());
    std::size_t i = 0;
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child && i < controls_.size();
         child = GetWindow(child, GW_HWNDNEXT))
        controls_[i++].hwnd = child;
    for (std::size_t n = 0; n < controls_.size(); ++n)
        answerAccessibility(controls_[n].hwnd, window.controls()[n].kind, *this);
    units_ = mappedBaseUnits(hwnd_);
    dpi_ = windowDpi(hwnd_);
    if (asSheet(window)) makeTabs(window);
    // Every page fills the page area, as large as the largest page, as a sheet's pages do,
    // and is drawn at its sheet's scale, which may have changed since the dialog manager
    // chose the font.
    if (page) {
        placeWindow(hwnd_, page->area, HWND_TOP, 0);
        if (page->dpi != dpi_) {
            rescale(page->dpi);
            return;
        }
    }
    for (std::size_t n = 0; n < controls_.size(); ++n) syncControl(window.controls()[n].id);
}

WindowView::~WindowView() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
    if (font_) DeleteObject(font_);
}

INT_PTR CALLBACK WindowView::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* view = reinterpret_cast<WindowView*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        view->hwnd_ = hwnd;
        return FALSE;  // the model says where the focus goes
    }
    auto* view = reinterpret_cast<WindowView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!view) return FALSE;
    if (message == WM_NCDESTROY) {
        view->hwnd_ = nullptr;
        return FALSE;
    }
    return view->onMessage(message, wParam, lParam);
}

INT_PTR WindowView::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    ui::ModelInput& input = context_.input;
    const ui::WindowHandle handle = handle_;
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const UINT code = HIWORD(wParam);
            if (lParam == 0) {
                // From the keyboard through the dialog manager, with no control behind it.
                if (id == IDCANCEL) input.close(handle);
                return TRUE;
            }
            const ui::Dialog* window = model();
            const int controlId = controlIdOf(reinterpret_cast<HWND>(lParam));
            const ui::Control* control = window ? window->control(controlId) : nullptr;
            if (!control || controlId != id) return FALSE;
            if (code == BN_CLICKED && (control->kind == ui::ControlKind::PushButton ||
                                       control->kind == ui::ControlKind::RadioButton)) {
                input.click(handle, id);
                return TRUE;
            }
            if (code == CBN_SELCHANGE && control->kind == ui::ControlKind::DropDownList) {
                HWND list = reinterpret_cast<HWND>(lParam);
                input.select(handle, id, static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)));
                // The model may keep the selection it has: show what it decided.
                if (input.desktop().isWindow(handle)) syncControl(id);
                return TRUE;
            }
            return FALSE;
        }
        case WM_CLOSE:
            input.close(handle);
            return TRUE;
        case WM_SYSCOMMAND: {
            if (auto item = systemMenu_.itemFor(wParam)) {
                if (item->enabled) input.sysCommand(item->target, item->id);
                return TRUE;
            }
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                input.close(handle);
                return TRUE;
            }
            return FALSE;
        }
        case WM_SIZE:
            if (topLevel_ && !syncing_) forwardSize(wParam);
            return FALSE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (!tabs_ || header->hwndFrom != tabs_ || header->code != TCN_SELCHANGE) return FALSE;
            input.activatePage(handle, static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
            // The model may keep the page it has: show what it decided.
            if (const ui::Dialog* window = input.desktop().find(handle)) syncTabs(*window);
            return TRUE;
        }
        case WM_DPICHANGED: {
            // The window moved to a monitor of another scale, or the scale changed: drawn
            // again for it, in the rectangle Windows suggests. A window of fixed size then
            // holds its template at the new scale whole, whatever the frame's own scale.
            rescale(LOWORD(wParam));
            if (lParam)
                placeWindow(hwnd_, *reinterpret_cast<const RECT*>(lParam), nullptr, SWP_NOZORDER);
            if (const ui::Dialog* window = model(); window && !window->dialogTemplate().resizable)
                fitClient(window->width(), window->height());
            return TRUE;
        }
        case kRescalePage: {
            const auto* place = reinterpret_cast<const PagePlace*>(lParam);
            if (topLevel_ || !place) return FALSE;
            rescale(place->dpi);
            placeWindow(hwnd_, place->area, nullptr, SWP_NOZORDER);
            return TRUE;
        }
        case WM_GETFONT:
            if (!font_) return FALSE;
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(font_));
            return TRUE;
        case WM_SETCURSOR:
            if (input.cursorOver(handle) != ui::Cursor::Wait) return FALSE;
            SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        default:
            return FALSE;
    }
}

void WindowView::forwardSize(WPARAM kind) {
    ui::ModelInput& input = context_.input;
    const ui::WindowHandle handle = handle_;
    const ui::Dialog* window = model();
    if (!window) return;
    if (kind == SIZE_MINIMIZED) {
        input.setMinimized(handle, true);
        return;
    }
    if (window->minimized()) input.setMinimized(handle, false);
    window = input.desktop().find(handle);
    if (!window || !window->dialogTemplate().resizable) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    input.resize(handle, ui::unitsAcross(client.right, units_),
                 ui::unitsDown(client.bottom, units_));
}

RECT WindowView::pixels(const ui::DialogRect& rect) const {
    const ui::PixelRect p = ui::toPixels(rect, units_);
    return RECT{p.left, p.top, p.right, p.bottom};
}

RECT WindowView::pageArea() const {
    const ui::Dialog* window = model();
    const ui::PropertySheet* sheet = window ? asSheet(*window) : nullptr;
    return sheet ? pixels(sheet->pageArea()) : RECT{};
}

void WindowView::rescale(int dpi) {
    const ui::Dialog* window = model();
    if (!window || !hwnd_) return;
    dpi_ = dpi;
    HFONT font = fontAt(reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)),
                        kDialogFontPoints, dpi_);
    units_ = baseUnitsOf(hwnd_, font);
    HFONT old = font_;
    font_ = font;
    // Every control again: its font, its place in the new units, its icon at the new size.
    for (ShownControl& shown : controls_) {
        SendMessageW(shown.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        shown.rect = ui::DialogRect{-1, -1, -1, -1};
        shown.iconId = -1;
    }
    for (const ui::Control& control : window->controls()) syncControl(control.id);
    if (const ui::PropertySheet* sheet = asSheet(*window); sheet && tabs_) {
        SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        placeWindow(tabs_, pixels(sheet->tabControl()), HWND_BOTTOM, 0);
        const PagePlace place{pixels(sheet->pageArea()), dpi_};
        for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (child != tabs_ && controlIdOf(child) == 0)
                SendMessageW(child, kRescalePage, 0, reinterpret_cast<LPARAM>(&place));
    }
    if (topLevel_) {
        shownIconId_ = -1;
        syncFrame(*window);
    }
    if (old) DeleteObject(old);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HWND WindowView::controlWindow(int controlId) const {
    const ui::Dialog* window = model();
    if (!window) return nullptr;
    const auto& controls = window->controls();
    for (std::size_t i = 0; i < controls.size() && i < controls_.size(); ++i)
        if (controls[i].id == controlId) return controls_[i].hwnd;
    return nullptr;
}

int WindowView::controlIdOf(HWND control) const {
    const ui::Dialog* window = model();
    if (!window || !control) return 0;
    const auto& controls = window->controls();
    for (std::size_t i = 0; i < controls.size() && i < controls_.size(); ++i)
        if (controls_[i].hwnd == control) return controls[i].id;
    return 0;
}

std::optional<AccessibleFacts> WindowView::accessibleFactsOf(HWND control) const {
    const ui::Dialog* window = model();
    if (!window || !control) return std::nullopt;
    const auto& controls = window->controls();
    for (std::size_t i = 0; i < controls.size() && i < controls_.size(); ++i)
        if (controls_[i].hwnd == control) {
            const ui::AccessibleText text = ui::accessibleText(*window, controls[i]);
            return AccessibleFacts{shownText(text.name), shownText(text.value)};
        }
    return std::nullopt;
}

void WindowView::makeTabs(const ui::Dialog& window) {
    const ui::PropertySheet& sheet = *asSheet(window);
    // The tab control where the model lays it out, behind the pages inside its frame.
    const RECT frame = pixels(sheet.tabControl());
    tabs_ = CreateWindowExW(
        0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, frame.left,
        frame.top, frame.right - frame.left, frame.bottom - frame.top, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTabControlId)), context_.instance, nullptr);
    SendMessageW(tabs_, WM_SETFONT, SendMessageW(hwnd_, WM_GETFONT, 0, 0), FALSE);
    for (int i = 0; i < sheet.pageCount(); ++i) {
        std::wstring caption = shownText(sheet.page(i).caption());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    placeWindow(tabs_, frame, HWND_BOTTOM, 0);
}

void WindowView::syncTabs(const ui::Dialog& window) {
    const ui::PropertySheet* sheet = asSheet(window);
    if (!sheet || !tabs_) return;
    if (SendMessageW(tabs_, TCM_GETCURSEL, 0, 0) != sheet->activeIndex())
        SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(sheet->activeIndex()), 0);
}

void WindowView::syncControl(int controlId) {
    const ui::Dialog* window = model();
    if (!window || !hwnd_) return;
    const auto& controls = window->controls();
    for (std::size_t i = 0; i < controls.size() && i < controls_.size(); ++i)
        if (controls[i].id == controlId)
            win32::syncControl(controls_[i], controls[i], hwnd_, {units_, dpi_}, context_.looks);
}

void WindowView::syncWindow() {
    const ui::Dialog* window = model();
    if (!window || !hwnd_) return;
    syncing_ = true;
    syncTabs(*window);
    if (topLevel_) {
        syncFrame(*window);
        systemMenu_.sync(hwnd_, context_.input.desktop(), handle_);
    } else {
        bool visible = window->visible();
        if (visible != shownVisible_) {
            shownVisible_ = visible;
            ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
        }
    }
    if (window->focusId() != shownFocusId_) {
        shownFocusId_ = window->focusId();
        if (HWND focus = controlWindow(shownFocusId_)) SetFocus(focus);
    }
    syncing_ = false;
}

void WindowView::fitClient(int width, int height) {
    RECT client;
    GetClientRect(hwnd_, &client);
    if (ui::unitsAcross(client.right, units_) == width &&
        ui::unitsDown(client.bottom, units_) == height)
        return;
    RECT wanted = pixels(ui::DialogRect{0, 0, width, height});
    AdjustWindowRectEx(&wanted, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    SetWindowPos(hwnd_, nullptr, 0, 0, wanted.right - wanted.left, wanted.bottom - wanted.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowView::syncFrame(const ui::Dialog& window) {
    std::wstring title = shownText(window.title());
    if (title != shownTitle_) {
        shownTitle_ = title;
        SetWindowTextW(hwnd_, title.c_str());
    }
    if (window.iconId() != shownIconId_) {
        shownIconId_ = window.iconId();
        Icons& icons = context_.looks.icons;
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL,
                     reinterpret_cast<LPARAM>(
                         icons.icon(shownIconId_, iconSizeAt(ui::IconRole::Small, dpi_))));
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
                     reinterpret_cast<LPARAM>(
                         icons.icon(shownIconId_, iconSizeAt(ui::IconRole::Large, dpi_))));
    }
    // A resizable window at the model's size.
    if (window.dialogTemplate().resizable && !IsZoomed(hwnd_) && !IsIconic(hwnd_))
        fitClient(window.width(), window.height());
    if (!window.visible()) {
        if (IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
    } else if (window.minimized()) {
        if (!IsIconic(hwnd_)) ShowWindow(hwnd_, SW_MINIMIZE);
    } else if (IsIconic(hwnd_) || !IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOWNORMAL);
    }
}

}  // namespace zlx::win32
