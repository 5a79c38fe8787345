#include "qt/window_menu.h"

#include "qt/text_fit.h"
#include "ui/dialog.h"
#include "ui/property_sheet.h"

namespace zlx::qt {

std::vector<WindowMenuEntry> windowMenuEntries(const ui::Desktop& desktop,
                                               ui::WindowHandle window) {
    std::vector<WindowMenuEntry> entries;
    const ui::Dialog* dialog = desktop.find(window);
    if (!dialog) return entries;
    using Action = WindowMenuEntry::Action;
    for (const auto& item : dialog->systemMenu())
        entries.push_back(
            {window, item.id, item.text, Action::SysCommand, item.enabled, item.shortcut});
    if (dialog->kind() == ui::WindowKind::Sheet) {
        const auto* sheet = static_cast<const ui::PropertySheet*>(dialog);
        for (int i = 0; i < sheet->pageCount(); ++i) {
            const ui::PropertyPage& page = sheet->page(i);
            if (!page.created()) continue;
            for (const auto& item : page.systemMenu())
                entries.push_back({page.handle(), item.id, item.text, Action::SysCommand,
                                   item.enabled, item.shortcut});
        }
    }
    if (dialog->owner() == ui::kNoWindow)
        entries.push_back({window, 0, "Mi&nimize", Action::Minimize});
    entries.push_back({window, 0, "&Close", Action::Close});
    return entries;
}

void fillWindowMenu(QMenu& menu, const std::vector<WindowMenuEntry>& entries, ModelInput& input) {
    menu.clear();
    bool standardPart = false;
    for (const WindowMenuEntry& entry : entries) {
        bool standard = entry.action != WindowMenuEntry::Action::SysCommand;
        if (standard && !standardPart && !menu.isEmpty()) menu.addSeparator();
        standardPart = standard;
        QAction* action = menu.addAction(fromModel(entry.text));
        action->setEnabled(entry.enabled);
        // Shown beside the item; the window itself answers the key.
        if (entry.shortcut == ui::Dialog::Shortcut::CtrlC) {
            action->setShortcut(QKeySequence::Copy);
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        QObject::connect(action, &QAction::triggered, &menu, [&input, entry] {
            switch (entry.action) {
                case WindowMenuEntry::Action::SysCommand:
                    input.sysCommand(entry.target, entry.id);
                    break;
                case WindowMenuEntry::Action::Minimize:
                    input.setMinimized(entry.target, true);
                    break;
                case WindowMenuEntry::Action::Close:
                    input.close(entry.target);
                    break;
            }
        });
    }
}

QToolButton* createWindowMenuButton(QWidget* parent, ModelInput& input, ui::WindowHandle window) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("window-menu"));
    button->setText(QStringLiteral("?"));
    button->setToolTip(QObject::tr("Window menu"));
    // A framed button, so it reads as a button and not as a stray character in the corner.
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setPopupMode(QToolButton::InstantPopup);
    // The "?" alone says enough; the style's menu arrow would crowd it in a corner.
    button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0; }"));
    auto* menu = new QMenu(button);
    QObject::connect(menu, &QMenu::aboutToShow, button, [menu, &input, window] {
        fillWindowMenu(*menu, windowMenuEntries(input.desktop(), window), input);
    });
    button->setMenu(menu);
    return button;
}

}  // namespace zlx::qt
