#include "qt/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>

#include "qt/graph_view.h"
#include "qt/text_fit.h"
#include "qt/window_view.h"

namespace zlx::qt {

namespace {

// The window view whose control `widget` is.
const WindowView* viewOf(const QWidget* widget) {
    for (const QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget())
        if (auto* view = dynamic_cast<const WindowView*>(parent); view && view->controlIdOf(widget))
            return view;
    return nullptr;
}

// Read when a screen reader asks, so that a refresh costs nothing while none listens.
class ControlAccessible final : public QAccessibleWidget {
  public:
    ControlAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name && kind != QAccessible::Value)
            return QAccessibleWidget::text(kind);
        const WindowView* view = viewOf(widget());
        if (!view) return QAccessibleWidget::text(kind);
        const ui::AccessibleText facts = view->accessibleTextOf(widget());
        return fromModel(kind == QAccessible::Name ? facts.name : facts.value);
    }
};

// The model's radio buttons leave their exclusion to the model, so Qt would call them check
// boxes: they are radio buttons, checked as the model has them, pressed as a click.
class RadioAccessible final : public QAccessibleWidget {
  public:
    explicit RadioAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = static_cast<QAbstractButton*>(widget())->isChecked();
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const WindowView* view = viewOf(widget());
        return view ? fromModel(view->accessibleTextOf(widget()).name)
                    : QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<QAbstractButton*>(widget())->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* controlInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->objectName().startsWith(QStringLiteral("control-"))) return nullptr;
    if (auto* label = qobject_cast<QLabel*>(widget))
        return new ControlAccessible(
            label, label->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic);
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) return new RadioAccessible(radio);
    if (qobject_cast<QProgressBar*>(widget))
        return new ControlAccessible(widget, QAccessible::ProgressBar);
    if (dynamic_cast<GraphView*>(widget)) return new ControlAccessible(widget, QAccessible::Chart);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    QAccessible::installFactory(&controlInterface);
}

}  // namespace zlx::qt
