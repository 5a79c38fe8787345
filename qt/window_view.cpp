#include "qt/window_view.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include "qt/control_widgets.h"
#include "qt/icons.h"
#include "qt/text_fit.h"
#include "qt/window_menu.h"
#include "ui/property_sheet.h"

namespace zlx::qt {

namespace {
constexpr int kMenuButtonSize = 18;
constexpr int kMenuButtonInset = 2;
// The box of an iconic child window, and the program icon drawn in it.
constexpr int kIconicBoxSize = 40;
constexpr int kIconicIconSize = 32;
constexpr int kIconicInset = 2;
constexpr int kProgramIconId = 128;
}  // namespace

WindowView::WindowView(const ui::Dialog& window, ModelInput& input, const DialogUnits& units,
                       const QFont& font, QWidget* parent)
    : QWidget(parent), input_(input), units_(units), handle_(window.handle()) {
    setObjectName(QStringLiteral("window-%1").arg(handle_));
    if (!parent) setFont(font);
    setMouseTracking(true);
    const ui::DialogTemplate& t = window.dialogTemplate();
    setFixedSize(units.size(t.width, t.height));
    if (!parent) {
        Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        // An owned window goes down with its owner; only the others have a minimise box.
        if (window.owner() == ui::kNoWindow) flags |= Qt::WindowMinimizeButtonHint;
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
}

WindowView::~WindowView() = default;

void WindowView::buildControls(const ui::Dialog& window) {
    for (const ui::Control& control : window.controls()) {
        QWidget* widget = createControlWidget(control, this);
        widget->setObjectName(QStringLiteral("control-%1").arg(control.id));
        placeControlWidget(*widget, control, units_);
        applyControl(*widget, control);
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

QWidget& WindowView::childHost() {
    return tabs_ ? tabs_->pageArea() : *this;
}

void WindowView::syncControl(int controlId) {
    const ui::Dialog* window = model();
    if (!window) return;
    const auto& controls = window->controls();
    for (std::size_t i = 0; i < controls.size() && i < widgets_.size(); ++i)
        if (controls[i].id == controlId) {
            applyControl(*widgets_[i], controls[i]);
            if (iconic_) widgets_[i]->hide();
        }
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
                       iconPixmap(kProgramIconId, kIconicIconSize));
}

void WindowView::syncWindow() {
    const ui::Dialog* window = model();
    if (!window) return;
    syncing_ = true;
    if (tabs_) tabs_->sync(static_cast<const ui::PropertySheet&>(*window));
    if (isWindow()) {
        syncFrame(*window);
    } else {
        setVisible(window->visible());
        setIconic(window->minimized());
    }
    if (window->focusId() != shownFocusId_) {
        shownFocusId_ = window->focusId();
        if (QWidget* focus = controlWidget(shownFocusId_)) focus->setFocus(Qt::OtherFocusReason);
    }
    syncMenuButton();
    syncing_ = false;
}

void WindowView::syncFrame(const ui::Dialog& window) {
    QString title = fromModel(window.title());
    if (windowTitle() != title) setWindowTitle(title);
    if (window.iconId() != shownIconId_) {
        shownIconId_ = window.iconId();
        setWindowIcon(qt::windowIcon(shownIconId_));
    }
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
    switch (event->key()) {
        case Qt::Key_Escape:
            input_.close(handle_);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            clickDefaultButton();
            break;
        default:
            QWidget::keyPressEvent(event);
            break;
    }
}

void WindowView::clickDefaultButton() {
    const ui::Dialog* window = model();
    if (!window) return;
    for (const ui::Control& control : window->controls()) {
        if (control.kind == ui::ControlKind::PushButton && (control.style & ui::kStyleDefault) &&
            control.enabled && control.visible) {
            input_.click(handle_, control.id);
            return;
        }
    }
}

void WindowView::contextMenuEvent(QContextMenuEvent* event) {
    // A page's background belongs to its sheet's window menu.
    if (!isWindow()) return event->ignore();
    auto entries = windowMenuEntries(input_.desktop(), handle_);
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
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Enter:
        case QEvent::HoverMove:
        case QEvent::MouseMove:
            askCursor();
            break;
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
