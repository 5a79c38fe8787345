#include "win32/renderer.h"

#include <commctrl.h>
// <commctrl.h> names a function of its own PropertySheet, which is the model's class here.
#undef PropertySheet

#include <algorithm>
#include <cwctype>

#include "ui/dialog.h"
#include "ui/property_sheet.h"
#include "win32/graph_view.h"

namespace zlx::win32 {

Renderer::Renderer(ui::Desktop& desktop, HINSTANCE instance)
    : desktop_(desktop),
      input_(desktop),
      instance_(instance),
      // The rich edit control's class; from the system folder only, as every system DLL.
      richEdit_(L"riched20.dll") {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    registerGraphClass(instance_);
    desktop_.addObserver(this);
    for (ui::Dialog* window : desktop_.windows()) windowCreated(window->handle());
}

Renderer::~Renderer() {
    desktop_.removeObserver(this);
    // Pages go before their sheets, whose windows hold theirs.
    for (auto it = views_.rbegin(); it != views_.rend(); ++it) it->second.reset();
    views_.clear();
}

WindowView* Renderer::view(ui::WindowHandle window) const {
    auto it = views_.find(window);
    return it == views_.end() ? nullptr : it->second.get();
}

WindowView* Renderer::viewOf(HWND hwnd) const {
    for (const auto& [handle, view] : views_)
        if (view->hwnd() == hwnd) return view.get();
    return nullptr;
}

HWND Renderer::windowOf(ui::WindowHandle window) const {
    WindowView* shown = view(window);
    return shown ? GetAncestor(shown->hwnd(), GA_ROOT) : nullptr;
}

std::vector<WindowView*> Renderer::topLevelViews() const {
    std::vector<WindowView*> out;
    for (const auto& [handle, view] : views_)
        if (view->topLevel() && view->hwnd()) out.push_back(view.get());
    return out;
}

void Renderer::windowCreated(ui::WindowHandle handle) {
    const ui::Dialog* window = desktop_.find(handle);
    if (!window || view(handle)) return;
    ViewContext context{input_, ControlLooks{icons_, fonts_}, instance_};
    std::unique_ptr<WindowView> created;
    if (window->parent() != ui::kNoWindow) {
        WindowView* parent = view(window->parent());
        if (!parent || !parent->hwnd()) return;
        const PagePlace place{parent->pageArea(), parent->dpi()};
        created = std::make_unique<WindowView>(*window, context, parent->hwnd(), &place);
    } else {
        HWND owner = window->owner() != ui::kNoWindow ? windowOf(window->owner()) : nullptr;
        if (!owner && !desktop_.modalStack().empty())
            owner = windowOf(desktop_.modalStack().back()->handle());
        created = std::make_unique<WindowView>(*window, context, owner, nullptr);
        place(*created, *window);
    }
    WindowView& shown = *created;
    views_[handle] = std::move(created);
    shown.syncWindow();
    syncModality();
}

void Renderer::place(const WindowView& view, const ui::Dialog& window) {
    if (!view.hwnd()) return;
    // Over the window it belongs to, else in the middle of the work area; whole on the screen.
    HWND over = window.owner() != ui::kNoWindow ? windowOf(window.owner()) : nullptr;
    if (!over && !desktop_.modalStack().empty())
        over = windowOf(desktop_.modalStack().back()->handle());
    RECT room;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &room, 0);
    RECT around = room;
    if (over && over != view.hwnd()) GetWindowRect(over, &around);
    RECT frame;
    GetWindowRect(view.hwnd(), &frame);
    const LONG width = frame.right - frame.left, height = frame.bottom - frame.top;
    LONG x = (around.left + around.right - width) / 2;
    LONG y = (around.top + around.bottom - height) / 2;
    x = std::max(room.left, std::min(x, room.right - width));
    y = std::max(room.top, std::min(y, room.bottom - height));
    SetWindowPos(view.hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Renderer::windowDestroyed(ui::WindowHandle handle) {
    auto it = views_.find(handle);
    if (it == views_.end()) return;
    std::unique_ptr<WindowView> gone = std::move(it->second);
    views_.erase(it);
    // The owner takes the input back before this window goes, so Windows activates it.
    syncModality();
    gone.reset();
    if (shownForeground_ == handle) shownForeground_ = ui::kNoWindow;
}

void Renderer::windowChanged(ui::WindowHandle handle) {
    WindowView* changed = view(handle);
    if (!changed) return;
    changed->syncWindow();
    // A page's window menu items and title live on its sheet's frame.
    if (!changed->topLevel())
        if (const ui::Dialog* window = desktop_.find(handle))
            if (WindowView* parent = view(window->parent())) parent->syncWindow();
    syncModality();
    followForeground();
}

void Renderer::controlChanged(ui::WindowHandle handle, int controlId) {
    if (WindowView* changed = view(handle)) changed->syncControl(controlId);
}

void Renderer::syncModality() {
    const auto& stack = desktop_.modalStack();
    const ui::Dialog* top = stack.empty() ? nullptr : stack.back();
    for (WindowView* shown : topLevelViews()) {
        const ui::Dialog* window = desktop_.find(shown->handle());
        if (!window) continue;
        bool below = window != top && std::find(stack.begin(), stack.end(), window) != stack.end();
        if ((IsWindowEnabled(shown->hwnd()) != FALSE) == below) EnableWindow(shown->hwnd(), !below);
    }
}

void Renderer::followForeground() {
    ui::WindowHandle foreground = desktop_.foreground();
    if (foreground == shownForeground_) return;
    shownForeground_ = foreground;
    if (HWND hwnd = windowOf(foreground)) SetForegroundWindow(hwnd);
}

bool Renderer::translate(MSG& message) {
    if (!message.hwnd) return false;
    WindowView* root = viewOf(GetAncestor(message.hwnd, GA_ROOT));
    if (!root) return false;
    if (translateKey(*root, message)) return true;
    return IsDialogMessageW(root->hwnd(), &message) != FALSE;
}

bool Renderer::translateKey(WindowView& root, const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSCHAR) return false;
    const ui::WindowHandle rootHandle = root.handle();
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    // The window and model control that hold the focus.
    HWND focus = GetFocus();
    WindowView* focusView = focus ? viewOf(GetParent(focus)) : nullptr;
    const int focusId = focusView ? focusView->controlIdOf(focus) : 0;
    if (focusView) input_.focus(focusView->handle(), focusId);
    if (message.message == WM_SYSCHAR) {
        const wchar_t key =
            static_cast<wchar_t>(std::towlower(static_cast<wint_t>(message.wParam)));
        if (key > 0x7F) return false;
        // The focused window's own marks first (a page's), then the top-level window's.
        for (WindowView* in : {focusView, &root}) {
            const ui::Dialog* window = in ? desktop_.find(in->handle()) : nullptr;
            if (!window ||
                window->accessKey(static_cast<char>(key)) == ui::Dialog::AccessKeyTarget{})
                continue;
            input_.accessKey(in->handle(), static_cast<char>(key));
            return true;
        }
        return false;
    }
    if (message.message != WM_KEYDOWN) return false;
    switch (message.wParam) {
        case VK_RETURN:
            input_.enter(rootHandle);
            return true;
        case VK_ESCAPE:
            input_.close(rootHandle);
            return true;
        case VK_TAB:
        case VK_PRIOR:
        case VK_NEXT:
            if (!ctrl || !root.tabs()) return false;
            input_.stepPage(
                rootHandle,
                message.wParam == VK_PRIOR || (message.wParam == VK_TAB && shift) ? -1 : 1);
            return true;
        case 'C':
        case 'H':
            if (!ctrl) return false;
            if (auto item = root.systemMenu().shortcutItem(static_cast<char>(message.wParam))) {
                if (item->enabled) input_.sysCommand(item->target, item->id);
                return true;
            }
            return false;
        case VK_UP:
        case VK_DOWN:
        case VK_LEFT:
        case VK_RIGHT: {
            const ui::Dialog* window = focusView ? desktop_.find(focusView->handle()) : nullptr;
            const ui::Control* control = window ? window->control(focusId) : nullptr;
            if (!control || control->kind != ui::ControlKind::RadioButton) return false;
            const bool forward = message.wParam == VK_DOWN || message.wParam == VK_RIGHT;
            input_.radioArrow(focusView->handle(), focusId, forward ? 1 : -1);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace zlx::win32
