#include "win32/window_view.h"

#include <commctrl.h>
// <commctrl.h> names a function of its own PropertySheet, which is the model's class here.
#undef PropertySheet

#include <algorithm>

#include "ui/property_sheet.h"
#include "win32/dialog_template.h"
#include "win32/text.h"

namespace zlx::win32 {

namespace {

// The id Windows' own property sheets give their tab control.
constexpr int kTabControlId = 0x3020;
constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;

const ui::PropertySheet* asSheet(const ui::Dialog& window) {
    return window.kind() == ui::WindowKind::Sheet ? static_cast<const ui::PropertySheet*>(&window)
                                                  : nullptr;
}

// Dialog units of `hwnd` to pixels and back, whole units only, as the model counts them.
SIZE baseUnits(HWND hwnd) {
    RECT base{0, 0, 4, 8};
    MapDialogRect(hwnd, &base);
    return {std::max<LONG>(1, base.right), std::max<LONG>(1, base.bottom)};
}

}  // namespace

WindowView::WindowView(const ui::Dialog& window, ViewContext context, HWND owner,
                       const RECT* pageArea)
    : context_(context), handle_(window.handle()), topLevel_(pageArea == nullptr) {
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
    // Every page fills the page area, as large as the largest page, as a sheet's pages do.
    if (pageArea)
        SetWindowPos(hwnd_, HWND_TOP, pageArea->left, pageArea->top,
                     pageArea->right - pageArea->left, pageArea->bottom - pageArea->top,
                     SWP_NOACTIVATE);
    if (asSheet(window)) makeTabs(window);
    for (std::size_t n = 0; n < controls_.size(); ++n) syncControl(window.controls()[n].id);
}

WindowView::~WindowView() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);
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
    SIZE base = baseUnits(hwnd_);
    input.resize(handle, client.right * 4 / base.cx, client.bottom * 8 / base.cy);
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

void WindowView::makeTabs(const ui::Dialog& window) {
    const ui::PropertySheet& sheet = *asSheet(window);
    // The tab control where the model lays it out, behind the pages inside its frame.
    const ui::DialogRect area = sheet.pageArea(), control = sheet.tabControl();
    pageArea_ = RECT{area.x, area.y, area.x + area.width, area.y + area.height};
    MapDialogRect(hwnd_, &pageArea_);
    RECT frame{control.x, control.y, control.x + control.width, control.y + control.height};
    MapDialogRect(hwnd_, &frame);
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
    SetWindowPos(tabs_, HWND_BOTTOM, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOACTIVATE);
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
            win32::syncControl(controls_[i], controls[i], hwnd_, context_.looks);
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

void WindowView::syncFrame(const ui::Dialog& window) {
    std::wstring title = shownText(window.title());
    if (title != shownTitle_) {
        shownTitle_ = title;
        SetWindowTextW(hwnd_, title.c_str());
    }
    if (window.iconId() != shownIconId_) {
        shownIconId_ = window.iconId();
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL,
                     reinterpret_cast<LPARAM>(context_.looks.icons.icon(shownIconId_, kSmallIcon)));
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
                     reinterpret_cast<LPARAM>(context_.looks.icons.icon(shownIconId_, kLargeIcon)));
    }
    // The model's size, unless the frame already holds it (pixels hold whole units only).
    if (window.dialogTemplate().resizable && !IsZoomed(hwnd_) && !IsIconic(hwnd_)) {
        RECT client;
        GetClientRect(hwnd_, &client);
        SIZE base = baseUnits(hwnd_);
        if (client.right * 4 / base.cx != window.width() ||
            client.bottom * 8 / base.cy != window.height()) {
            RECT wanted{0, 0, window.width(), window.height()};
            MapDialogRect(hwnd_, &wanted);
            AdjustWindowRectEx(&wanted, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)),
                               FALSE, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
            SetWindowPos(hwnd_, nullptr, 0, 0, wanted.right - wanted.left,
                         wanted.bottom - wanted.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (!window.visible()) {
        if (IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
    } else if (window.minimized()) {
        if (!IsIconic(hwnd_)) ShowWindow(hwnd_, SW_MINIMIZE);
    } else if (IsIconic(hwnd_) || !IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOWNORMAL);
    }
}

}  // namespace zlx::win32
