#include "win32/system_menu.h"

#include "win32/text.h"

namespace zlx::win32 {

namespace {

// Commands of the system menu leave the low four bits to Windows and start below SC_SIZE.
constexpr UINT kFirstCommand = 0x0100;
constexpr UINT kCommandStep = 0x10;

bool sameItems(const std::vector<ui::WindowMenuEntry>& a,
               const std::vector<ui::WindowMenuEntry>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].target != b[i].target || a[i].id != b[i].id || a[i].text != b[i].text ||
            a[i].enabled != b[i].enabled || a[i].shortcut != b[i].shortcut)
            return false;
    return true;
}

}  // namespace

void SystemMenu::sync(HWND hwnd, const ui::Desktop& desktop, ui::WindowHandle window) {
    std::vector<ui::WindowMenuEntry> items;
    for (ui::WindowMenuEntry& entry : ui::windowMenuEntries(desktop, window))
        if (entry.action == ui::WindowMenuEntry::Action::SysCommand) items.push_back(entry);
    if (built_ && sameItems(items, shown_)) return;
    built_ = true;
    shown_ = std::move(items);
    GetSystemMenu(hwnd, TRUE);  // back to Windows' own items
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    if (!menu || shown_.empty()) return;
    UINT position = 0;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        std::wstring text = shownText(shown_[i].text);
        if (std::string keys = ui::shortcutText(shown_[i].shortcut); !keys.empty())
            text += L"\t" + shownText(keys);
        UINT flags = MF_BYPOSITION | MF_STRING | (shown_[i].enabled ? MF_ENABLED : MF_GRAYED);
        InsertMenuW(menu, position++, flags, kFirstCommand + kCommandStep * i, text.c_str());
    }
    InsertMenuW(menu, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

std::optional<ui::WindowMenuEntry> SystemMenu::itemFor(WPARAM command) const {
    UINT code = static_cast<UINT>(command) & 0xFFF0;
    if (code < kFirstCommand) return std::nullopt;
    std::size_t index = (code - kFirstCommand) / kCommandStep;
    if (index >= shown_.size()) return std::nullopt;
    return shown_[index];
}

std::optional<ui::WindowMenuEntry> SystemMenu::shortcutItem(char key) const {
    for (const ui::WindowMenuEntry& entry : shown_)
        if (entry.shortcut != ui::Dialog::Shortcut::None && ui::shortcutKey(entry.shortcut) == key)
            return entry;
    return std::nullopt;
}

}  // namespace zlx::win32
