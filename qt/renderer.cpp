#include "qt/renderer.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>

#include "qt/accessibility.h"
#include "ui/dialog.h"

namespace zlx::qt {

bool platformStacksWindows() {
    const QString platform = QApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

Renderer::Renderer(ui::Desktop& desktop, const QFont& font)
    : desktop_(desktop), input_(desktop), font_(font), units_(DialogUnits::fromFont(font)) {
    installAccessibility();
    desktop_.addObserver(this);
    for (ui::Dialog* window : desktop_.windows()) windowCreated(window->handle());
    QObject::connect(qApp, &QApplication::focusChanged, &focusWatch_,
                     [this](QWidget*, QWidget* now) { focusMoved(now); });
}

void Renderer::focusMoved(QWidget* now) {
    // The nearest window view around the widget, and the control the widget draws.
    for (QWidget* w = now; w; w = w->parentWidget()) {
        auto* view = dynamic_cast<WindowView*>(w);
        if (!view) continue;
        if (this->view(view->handle()) != view) return;
        input_.focus(view->handle(), view->controlIdOf(now));
        return;
    }
}

Renderer::~Renderer() {
    desktop_.removeObserver(this);
    // Top-level views own the views of their pages.
    for (auto& [handle, view] : views_)
        if (view && view->isWindow()) delete view.data();
}

WindowView* Renderer::view(ui::WindowHandle window) const {
    auto it = views_.find(window);
    return it == views_.end() ? nullptr : it->second.data();
}

QWidget* Renderer::windowWidget(ui::WindowHandle window) const {
    WindowView* v = view(window);
    return v ? v->window() : nullptr;
}

std::vector<WindowView*> Renderer::topLevelViews() const {
    std::vector<WindowView*> out;
    for (const auto& [handle, view] : views_)
        if (view && view->isWindow()) out.push_back(view.data());
    return out;
}

void Renderer::windowCreated(ui::WindowHandle handle) {
    const ui::Dialog* window = desktop_.find(handle);
    if (!window || view(handle)) return;
    WindowView* parentView = window->parent() != ui::kNoWindow ? view(window->parent()) : nullptr;
    QWidget* host = parentView ? &parentView->childHost() : nullptr;
    auto* created = new WindowView(*window, input_, units_, font_, host);
    views_[handle] = created;
    if (host)
        created->move(0, 0);
    else
        showTopLevel(*created, *window);
    created->syncWindow();
}

void Renderer::showTopLevel(WindowView& view, const ui::Dialog& window) {
    // A modal window opened over others takes the input from them, as the model's modal loop
    // gives it all the user's actions.
    if (window.isModal() && !desktop_.modalStack().empty())
        view.setWindowModality(Qt::ApplicationModal);
    QWidget* over = nullptr;
    if (window.owner() != ui::kNoWindow) over = windowWidget(window.owner());
    if (!over && !desktop_.modalStack().empty())
        over = windowWidget(desktop_.modalStack().back()->handle());
    if (!over || over == &view) return;
    QPoint centre = over->geometry().center();
    QRect placed(centre - QPoint(view.width() / 2, view.height() / 2), view.size());
    // A window larger than its owner still opens whole on the owner's screen.
    if (QScreen* screen = over->screen()) {
        QRect room = screen->availableGeometry();
        placed.moveLeft(
            std::max(room.left(), std::min(placed.left(), room.right() - placed.width() + 1)));
        placed.moveTop(
            std::max(room.top(), std::min(placed.top(), room.bottom() - placed.height() + 1)));
    }
    view.move(placed.topLeft());
}

void Renderer::windowDestroyed(ui::WindowHandle handle) {
    auto it = views_.find(handle);
    if (it == views_.end()) return;
    QPointer<WindowView> gone = it->second;
    views_.erase(it);
    if (!gone) return;
    gone->hide();
    // Inside the model's handling of a click, the clicked widget may be on the stack: Qt
    // deletes the view when that event is done.
    if (input_.busy())
        gone->deleteLater();
    else
        delete gone.data();
    if (shownForeground_ == handle) shownForeground_ = ui::kNoWindow;
}

void Renderer::windowChanged(ui::WindowHandle handle) {
    WindowView* changed = view(handle);
    if (!changed) return;
    changed->syncWindow();
    // A page's window menu items and title live on its sheet's frame.
    if (!changed->isWindow()) {
        if (const ui::Dialog* window = desktop_.find(handle))
            if (WindowView* parent = view(window->parent())) parent->syncWindow();
    }
    followForeground();
}

void Renderer::controlChanged(ui::WindowHandle handle, int controlId) {
    if (WindowView* changed = view(handle)) changed->syncControl(controlId);
}

void Renderer::followForeground() {
    ui::WindowHandle foreground = desktop_.foreground();
    if (foreground == shownForeground_) return;
    shownForeground_ = foreground;
    QWidget* widget = windowWidget(foreground);
    if (!widget) return;
    if (platformStacksWindows()) widget->raise();
    widget->activateWindow();
}

}  // namespace zlx::qt
