#include "qt/window_view.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

#include "qt/control_widgets.h"
#include "qt/icons.h"
#include "qt/text_fit.h"
#include "qt/window_menu.h"
#include "resources/dialogs.h"
#include "ui/property_sheet.h"

namespace zlx::qt {

namespace {
constexpr int kMenuButtonSize = 18;
constexpr int kMenuButtonInset = 2;
// The box of an iconic child window, and the program icon drawn in it.
constexpr int kIconicBoxSize = 40;
constexpr int kIconicIconSize = 32;
constexpr int kIconicInset = 2;
}  // namespace

WindowView::WindowView(const ui::Dialog& window, ui::ModelInput& input, const DialogUnits& units,
                       const QFont& font, QWidget* parent)
    : QWidget(parent), input_(input), units_(units), handle_(window.handle()) {
    setObjectName(QStringLiteral("window-%1").arg(handle_));
    if (!parent) setFont(font);
    setMouseTracking(true);
    const ui::DialogTemplate& t = window.dialogTemplate();
    // Only a top-level window whose template has a sizing frame can change its size.
    if (!parent && t.resizable) {
        setMinimumSize(units.size(t.width, t.height));
        resize(units.size(window.width(), window.height()));
    } else {
        setFixedSize(units.size(t.width, t.height));
    }
    if (!parent) {
        Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        // An owned window goes down with its owner; only the others have a minimise box.
        if (window.owner() == ui::kNoWindow) flags |= Qt::WindowMinimizeButtonHint;
        if (t.resizable) flags |= Qt::WindowMaximizeButtonHint;
        setWindowFlags(flags);
    }
    if (window.kind() == ui::WindowKind::Sheet)
        tabs_ = std::make_unique<SheetTabs>(*this, static_cast<const ui::PropertySheet&>(window),
                                            input, units);
    buildControls(window);
    if (!parent) {
        menuButton_ = createWindowMenuButton(this, input, handle_);
        menuButton_->resize(kMenuButtonSize, kMenuButtonSize);
        menuButton_->hide();
    }
    syncTabStops();
    syncAccessKeys();
}

WindowView::~WindowView() = default;

void WindowView::buildControls(const ui::Dialog& window) {
    for (const ui::Control& control : window.controls()) {
        QWidget* widget = createControlWidget(control, this);
        widget->setObjectName(QStringLiteral("control-%1").arg(control.id));
        placeControlWidget(*widget, control, units_);
        applyControl(*widget, control);
        nameByLabel(*widget, control);
        connectInput(*widget, control);
        widget->installEventFilter(this);
        widgets_.push_back(widget);
    }
    // Controls are placed absolutely, so a group box must lie behind what it surrounds.
    for (std::size_t i = 0; i < widgets_.size(); ++i)
        if (window.controls()[i].kind == ui::ControlKind::GroupBox) widgets_[i]->lower();
}

void WindowView::connectInput(QWidget& widget, const ui::Control& control) {
    int id = control.id;
    switch (control.kind) {
        case ui::ControlKind::PushButton:
        case ui::ControlKind::RadioButton:
            connect(static_cast<QAbstractButton*>(&widget), &QAbstractButton::clicked, this,
                    [this, id] { input_.click(handle_, id); });
            break;
        case ui::ControlKind::DropDownList:
            // activated is the user's choice only, never the model's own setCurrentIndex.
            connect(static_cast<QComboBox*>(&widget), &QComboBox::activated, this,
                    [this, id](int index) { input_.select(handle_, id, index); });
            break;
        default:
            break;
    }
}

QWidget* WindowView::controlWidget(int controlId) const {
    const ui::Dialog* window = model();
    if (!window) return nullptr;
    const auto& controls = window->controls();
    for (std::size_t i = 0; i < controls.size() && i < widgets_.size(); ++i)
        if (controls[i].id == controlId) return widgets_[i];
    return nullptr;
}

int WindowView::controlIdOf(const QWidget* widget) const {
    const ui::Dialog* window = model();
    if (!window) return 0;
    const auto& controls = window->controls();
    for (; widget && widget != this; widget = widget->parentWidget())
        for (std::size_t i = 0; i < controls.size() && i < widgets_.size(); ++i)
            if (widgets_[i] == widget) return controls[i].id;
    return 0;
}

ui::AccessibleText WindowView::accessibleTextOf(const QWidget* widget) const {
    const ui::Dialog* window = model();
    if (!window) return {};
    const auto& controls = window->controls();
    for (std::size_t i = 0; i < controls.size() && i < widgets_.size(); ++i)
        if (widgets_[i] == widget) return ui::accessibleText(*window, controls[i]);
    return {};
}

void WindowView::nameByLabel(QWidget& widget, const ui::Control& control) {
    // Qt's own interfaces of these name them by their accessible name; the rest answer through
    // installAccessibility().
    switch (control.kind) {
        case ui::ControlKind::Edit:
        case ui::ControlKind::DropDownList:
        case ui::ControlKind::RichText:
            if (const ui::Dialog* window = model())
                widget.setAccessibleName(fromModel(ui::accessibleText(*window, control).name));
            break;
        default:
            break;
    }
}

QWidget& WindowView::childHost() {
    return tabs_ ? tabs_->pageArea() : *this;
}

void WindowView::syncControl(int controlId) {
    const ui::Dialog* window = model();
    if (!window) return;
    const auto& controls = window->controls();
    for (std::size_t i = 0; i < controls.size() && i < widgets_.size(); ++i)
        if (controls[i].id == controlId) {
            placeControlWidget(*widgets_[i], controls[i], units_);
            applyControl(*widgets_[i], controls[i]);
            nameByLabel(*widgets_[i], controls[i]);
            if (iconic_) widgets_[i]->hide();
            switch (controls[i].kind) {
                case ui::ControlKind::RadioButton:
                    syncTabStops();
                    break;
                case ui::ControlKind::PushButton:
                    if (auto* top = dynamic_cast<WindowView*>(this->window()))
                        top->syncDefaultButtons();
                    break;
                default:
                    break;
            }
            syncAccessKeys();
        }
}

void WindowView::syncTabStops() {
    const ui::Dialog* window = model();
    if (!window) return;
    const auto& controls = window->controls();
    for (std::size_t i = 0; i < controls.size() && i < widgets_.size(); ++i)
        if (controls[i].kind == ui::ControlKind::RadioButton)
            widgets_[i]->setFocusPolicy(window->isTabStop(controls[i].id) ? Qt::StrongFocus
                                                                          : Qt::ClickFocus);
}

void WindowView::syncDefaultButtons() {
    const ui::Dialog* window = model();
    if (!window) return;
    ui::Dialog::ControlRef pressed = window->enterTarget();
    std::vector<WindowView*> views{this};
    // No meta-object of its own: the views among the children are found by their type.
    for (QWidget* child : findChildren<QWidget*>())
        if (auto* view = dynamic_cast<WindowView*>(child)) views.push_back(view);
    for (WindowView* view : views) {
        const ui::Dialog* shown = view->model();
        if (!shown) continue;
        const auto& controls = shown->controls();
        for (std::size_t i = 0; i < controls.size() && i < view->widgets_.size(); ++i)
            if (controls[i].kind == ui::ControlKind::PushButton)
                static_cast<QPushButton*>(view->widgets_[i])
                    ->setDefault(view->handle_ == pressed.window && controls[i].id == pressed.id);
    }
}

void WindowView::syncAccessKeys() {
    const ui::Dialog* window = model();
    if (!window) return;
    std::map<char, QShortcut*> kept;
    for (const ui::Control& control : window->controls()) {
        char key = ui::accessMark(control.text);
        if (key == '\0' || kept.count(key)) continue;
        auto found = accessShortcuts_.find(key);
        if (found != accessShortcuts_.end()) {
            kept[key] = found->second;
            accessShortcuts_.erase(found);
            continue;
        }
        // Active while this window (a page: while it shows) is in the active window.
        auto* shortcut = new QShortcut(
            QKeySequence(QStringLiteral("Alt+") + QChar::fromLatin1(key).toUpper()), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, key] { input_.accessKey(handle_, key); });
        kept[key] = shortcut;
    }
    for (auto& [key, shortcut] : accessShortcuts_) delete shortcut;
    accessShortcuts_ = std::move(kept);
}

void WindowView::setIconic(bool iconic) {
    if (iconic == iconic_) return;
    iconic_ = iconic;
    const ui::Dialog* window = model();
    if (!window) return;
    const auto& controls = window->controls();
    for (std::size_t i = 0; i < controls.size() && i < widgets_.size(); ++i)
        widgets_[i]->setVisible(!iconic_ && controls[i].visible);
    update();
}

QRect WindowView::iconicBox() const {
    return QRect(kIconicInset, height() - kIconicBoxSize - kIconicInset, kIconicBoxSize,
                 kIconicBoxSize);
}

void WindowView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!iconic_) return;
    QPainter painter(this);
    QRect box = iconicBox();
    painter.fillRect(box, palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawPixmap(box.x() + (box.width() - kIconicIconSize + 1) / 2,
                       box.y() + (box.height() - kIconicIconSize + 1) / 2,
                       iconPixmap(resources::kIconProgram, kIconicIconSize));
}

void WindowView::syncWindow() {
    const ui::Dialog* window = model();
    if (!window) return;
    syncing_ = true;
    if (tabs_) tabs_->sync(static_cast<const ui::PropertySheet&>(*window));
    if (isWindow()) {
        syncFrame(*window);
        syncDefaultButtons();
    } else {
        setVisible(window->visible());
        setIconic(window->minimized());
    }
    if (window->focusId() != shownFocusId_) {
        shownFocusId_ = window->focusId();
        if (QWidget* focus = controlWidget(shownFocusId_)) focus->setFocus(Qt::OtherFocusReason);
    }
    syncMenuButton();
    syncAccessKeys();
    syncing_ = false;
}

bool WindowView::resizable() const {
    const ui::Dialog* window = model();
    return isWindow() && window && window->dialogTemplate().resizable;
}

void WindowView::syncFrame(const ui::Dialog& window) {
    QString title = fromModel(window.title());
    if (windowTitle() != title) setWindowTitle(title);
    if (window.iconId() != shownIconId_) {
        shownIconId_ = window.iconId();
        setWindowIcon(qt::windowIcon(shownIconId_));
    }
    // The model's size, unless the frame already holds it (pixels hold whole units only).
    if (resizable() && !isMaximized() &&
        (units_.unitsX(width()) != window.width() || units_.unitsY(height()) != window.height()))
        resize(units_.size(window.width(), window.height()));
    if (!window.visible()) {
        if (isVisible()) hide();
    } else if (window.minimized()) {
        if (!isMinimized()) showMinimized();
    } else if (isMinimized() || !isVisible()) {
        showNormal();
    }
}

void WindowView::syncMenuButton() {
    if (!menuButton_) return;
    // Every window menu has at least "Close", so the button is always there.
    menuButton_->move(width() - kMenuButtonSize - kMenuButtonInset, kMenuButtonInset);
    menuButton_->raise();
    menuButton_->setVisible(true);
}

void WindowView::closeEvent(QCloseEvent* event) {
    // The model decides whether the window goes away; it destroys it when it does.
    event->ignore();
    input_.close(handle_);
}

void WindowView::keyPressEvent(QKeyEvent* event) {
    if (!isWindow()) return QWidget::keyPressEvent(event);
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
        case Qt::Key_Escape:
            input_.close(handle_);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            input_.enter(handle_);
            return;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
            if (ctrl && tabs_) {
                bool back = event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp ||
                            (event->modifiers() & Qt::ShiftModifier);
                input_.stepPage(handle_, back ? -1 : 1);
                return;
            }
            break;
        default:
            if (handleWindowMenuShortcut(*event)) return;
            break;
    }
    QWidget::keyPressEvent(event);
}

bool WindowView::handleWindowMenuShortcut(QKeyEvent& event) {
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier) return false;
    for (const ui::WindowMenuEntry& entry : ui::windowMenuEntries(input_.desktop(), handle_)) {
        // Qt's letter keys are their upper-case ASCII codes.
        if (entry.shortcut == ui::Dialog::Shortcut::None ||
            event.key() != ui::shortcutKey(entry.shortcut))
            continue;
        if (entry.enabled) input_.sysCommand(entry.target, entry.id);
        return true;
    }
    return false;
}

bool WindowView::handleRadioArrow(int controlId, QKeyEvent& event) {
    if (event.modifiers() & ~Qt::KeypadModifier) return false;
    switch (event.key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            input_.radioArrow(handle_, controlId, 1);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Left:
            input_.radioArrow(handle_, controlId, -1);
            return true;
        default:
            return false;
    }
}

void WindowView::contextMenuEvent(QContextMenuEvent* event) {
    // A page's background belongs to its sheet's window menu.
    if (!isWindow()) return event->ignore();
    auto entries = ui::windowMenuEntries(input_.desktop(), handle_);
    if (entries.empty()) return event->ignore();
    QMenu menu(this);
    fillWindowMenu(menu, entries, input_);
    menu.exec(event->globalPos());
}

void WindowView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isWindow() && !syncing_)
        input_.setMinimized(handle_, isMinimized());
}

void WindowView::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    askCursor();
}

void WindowView::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    askCursor();
}

void WindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    syncMenuButton();
    if (resizable() && !syncing_)
        input_.resize(handle_, units_.unitsX(width()), units_.unitsY(height()));
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Enter:
        case QEvent::HoverMove:
        case QEvent::MouseMove:
            askCursor();
            break;
        case QEvent::KeyPress: {
            // Arrow keys move within a radio group in the model's way, not Qt's.
            auto* widget = qobject_cast<QWidget*>(watched);
            const ui::Dialog* window = model();
            int id = controlIdOf(widget);
            const ui::Control* control = window ? window->control(id) : nullptr;
            if (control && control->kind == ui::ControlKind::RadioButton &&
                handleRadioArrow(id, *static_cast<QKeyEvent*>(event)))
                return true;
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void WindowView::askCursor() {
    if (input_.cursorOver(handle_) == ui::Cursor::Wait)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

}  // namespace zlx::qt
