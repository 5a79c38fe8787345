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
    for (const auto& item : dialog->systemMenu()) entries.push_back({window, item.id, item.text});
    if (dialog->kind() == ui::WindowKind::Sheet) {
        const auto* sheet = static_cast<const ui::PropertySheet*>(dialog);
        if (const ui::PropertyPage* page = sheet->activePage(); page && page->created())
            for (const auto& item : page->systemMenu())
                entries.push_back({page->handle(), item.id, item.text});
    }
    return entries;
}

void fillWindowMenu(QMenu& menu, const std::vector<WindowMenuEntry>& entries, ModelInput& input) {
    menu.clear();
    for (const WindowMenuEntry& entry : entries) {
        QAction* action = menu.addAction(fromModel(entry.text));
        ui::WindowHandle target = entry.target;
        int id = entry.id;
        QObject::connect(action, &QAction::triggered, &menu,
                         [&input, target, id] { input.sysCommand(target, id); });
    }
}

QToolButton* createWindowMenuButton(QWidget* parent, ModelInput& input, ui::WindowHandle window) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("window-menu"));
    button->setText(QStringLiteral("?"));
    button->setToolTip(QObject::tr("Window menu"));
    button->setAutoRaise(true);
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
