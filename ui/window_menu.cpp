#include "ui/window_menu.h"

#include "ui/property_sheet.h"

namespace zlx::ui {

std::vector<WindowMenuEntry> windowMenuEntries(const Desktop& desktop, WindowHandle window) {
    std::vector<WindowMenuEntry> entries;
    const Dialog* dialog = desktop.find(window);
    if (!dialog) return entries;
    using Action = WindowMenuEntry::Action;
    for (const auto& item : dialog->systemMenu())
        entries.push_back(
            {window, item.id, item.text, Action::SysCommand, item.enabled, item.shortcut});
    if (dialog->kind() == WindowKind::Sheet) {
        const auto* sheet = static_cast<const PropertySheet*>(dialog);
        for (int i = 0; i < sheet->pageCount(); ++i) {
            const PropertyPage& page = sheet->page(i);
            if (!page.created()) continue;
            for (const auto& item : page.systemMenu())
                entries.push_back({page.handle(), item.id, item.text, Action::SysCommand,
                                   item.enabled, item.shortcut});
        }
    }
    if (dialog->owner() == kNoWindow) entries.push_back({window, 0, "Mi&nimize", Action::Minimize});
    entries.push_back({window, 0, "&Close", Action::Close});
    return entries;
}

char shortcutKey(Dialog::Shortcut shortcut) {
    switch (shortcut) {
        case Dialog::Shortcut::CtrlC:
            return 'C';
        case Dialog::Shortcut::CtrlH:
            return 'H';
        case Dialog::Shortcut::None:
            break;
    }
    return 0;
}

std::string shortcutText(Dialog::Shortcut shortcut) {
    const char key = shortcutKey(shortcut);
    return key ? std::string("Ctrl+") + key : std::string();
}

std::string titleSlug(std::string_view title) {
    std::string slug;
    bool pendingDash = false;
    for (char raw : title) {
        char c = (raw >= 'A' && raw <= 'Z') ? static_cast<char>(raw - 'A' + 'a') : raw;
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            if (pendingDash && !slug.empty()) slug += '-';
            pendingDash = false;
            slug += c;
        } else {
            pendingDash = true;
        }
    }
    return slug.empty() ? "window" : slug;
}

}  // namespace zlx::ui
