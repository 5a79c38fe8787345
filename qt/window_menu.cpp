#include "qt/window_menu.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <algorithm>

#include "qt/text_fit.h"

namespace zlx::qt {

void fillWindowMenu(QMenu& menu, const std::vector<ui::WindowMenuEntry>& entries,
                    ui::ModelInput& input) {
    menu.clear();
    bool standardPart = false;
    for (const ui::WindowMenuEntry& entry : entries) {
        bool standard = entry.action != ui::WindowMenuEntry::Action::SysCommand;
        if (standard && !standardPart && !menu.isEmpty()) menu.addSeparator();
        standardPart = standard;
        QAction* action = menu.addAction(fromModel(entry.text));
        action->setEnabled(entry.enabled);
        // Shown beside the item; the window itself answers the key.
        if (entry.shortcut != ui::Dialog::Shortcut::None) {
            action->setShortcut(QKeySequence(fromModel(ui::shortcutText(entry.shortcut))));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        QObject::connect(action, &QAction::triggered, &menu, [&input, entry] {
            switch (entry.action) {
                case ui::WindowMenuEntry::Action::SysCommand:
                    input.sysCommand(entry.target, entry.id);
                    break;
                case ui::WindowMenuEntry::Action::Minimize:
                    input.setMinimized(entry.target, true);
                    break;
                case ui::WindowMenuEntry::Action::Close:
                    input.close(entry.target);
                    break;
            }
        });
    }
}

namespace {

// The button shows the common sign for a menu, three bars, in the button's text colour, so it
// reads as "menu" and not as help. It is drawn as the style draws a tool button without a menu
// (the style's arrow would crowd the bars in a corner), rather than through a style sheet: a
// style sheet puts the button under a style of its own, parsed and polished before the window's
// first paint.
class WindowMenuButton final : public QToolButton {
  public:
    using QToolButton::QToolButton;

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionToolButton option;
        initStyleOption(&option);
        option.features &= ~QStyleOptionToolButton::HasMenu;
        painter.drawComplexControl(QStyle::CC_ToolButton, option);
        // Three bars half the button wide, a bar and a gap each an eighth of its height.
        const int bar = std::max(1, height() / 8);
        const int barWidth = width() / 2;
        const int left = (width() - barWidth) / 2;
        const int top = (height() - 5 * bar) / 2;
        const QColor colour = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                              QPalette::ButtonText);
        for (int i = 0; i < 3; ++i)
            painter.fillRect(left, top + 2 * i * bar, barWidth, bar, colour);
    }
};

}  // namespace

QToolButton* createWindowMenuButton(QWidget* parent, ui::ModelInput& input,
                                    ui::WindowHandle window) {
    auto* button = new WindowMenuButton(parent);
    button->setObjectName(QStringLiteral("window-menu"));
    button->setToolTip(QObject::tr("Window menu"));
    button->setAccessibleName(QObject::tr("Window menu"));
    // A framed button, so it reads as a button and not as a stray character in the corner.
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(button);
    QObject::connect(menu, &QMenu::aboutToShow, button, [menu, &input, window] {
        fillWindowMenu(*menu, ui::windowMenuEntries(input.desktop(), window), input);
    });
    button->setMenu(menu);
    return button;
}

}  // namespace zlx::qt
