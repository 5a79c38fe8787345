#include "qt/control_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringList>

#include "qt/eliding_combo_box.h"
#include "qt/graph_view.h"
#include "qt/icons.h"
#include "qt/rich_text_view.h"
#include "qt/text_fit.h"

namespace zlx::qt {

namespace {

// The check mark is the model's: a click only reports, and the model checks the button.
class ModelRadioButton final : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    void nextCheckState() override {}
};

const char* const kIconProperty = "zlxIconId";

QLabel* makeStatic(const ui::Control& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    Qt::Alignment horizontal =
        (control.style & ui::kStyleCentered) ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    // A left static wraps at words unless it ends in an ellipsis.
    label->setWordWrap(!(control.style & ui::kStyleEllipsis));
    return label;
}

void applyStatic(QLabel& label, const ui::Control& control) {
    QString whole = withoutAccessMarks(fromModel(control.text));
    QString text = whole;
    if (control.style & ui::kStyleEllipsis)
        text = wordEllipsis(text, label.fontMetrics(), label.width());
    if (label.text() != text) label.setText(text);
    label.setToolTip((control.style & ui::kStyleEllipsis) && text != whole ? whole : QString());
}

void applyList(QComboBox& combo, const ui::Control& control) {
    QStringList items;
    for (const std::string& item : control.items) items << fromModel(item);
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i) shown << combo.itemText(i);
    QSignalBlocker block(combo);
    if (shown != items) {
        combo.clear();
        combo.addItems(items);
    }
    if (combo.currentIndex() != control.selection) combo.setCurrentIndex(control.selection);
}

void applyIcon(QLabel& label, const ui::Control& control) {
    if (label.property(kIconProperty).toInt() == control.iconId) return;
    label.setProperty(kIconProperty, control.iconId);
    label.setPixmap(iconPixmap(control.iconId, kIconSize));
}

void applyEdit(QLineEdit& edit, const ui::Control& control) {
    QString text = fromModel(control.text);
    if (edit.text() == text) return;
    edit.setText(text);
    edit.setCursorPosition(0);
}

void applyProgress(QProgressBar& bar, const ui::Control& control) {
    // An empty range would make Qt's bar a busy indicator, which the control never is.
    int high = control.rangeMax > control.rangeMin ? control.rangeMax : control.rangeMin + 1;
    bar.setRange(control.rangeMin, high);
    bar.setValue(control.position);
}

}  // namespace

QWidget* createControlWidget(const ui::Control& control, QWidget* parent) {
    switch (control.kind) {
        case ui::ControlKind::Static:
            return makeStatic(control, parent);
        case ui::ControlKind::PushButton: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            button->setDefault(control.style & ui::kStyleDefault);
            return button;
        }
        case ui::ControlKind::RadioButton: {
            auto* radio = new ModelRadioButton(parent);
            radio->setAutoExclusive(false);
            return radio;
        }
        case ui::ControlKind::GroupBox:
            return new QGroupBox(parent);
        case ui::ControlKind::DropDownList: {
            return new ElidingComboBox(parent);
        }
        case ui::ControlKind::Edit: {
            // The model takes no text from the user, so even a writable edit only shows.
            auto* edit = new QLineEdit(parent);
            edit->setReadOnly(true);
            return edit;
        }
        case ui::ControlKind::Progress: {
            auto* bar = new QProgressBar(parent);
            bar->setTextVisible(false);
            return bar;
        }
        case ui::ControlKind::Icon: {
            auto* label = new QLabel(parent);
            label->setProperty(kIconProperty, 0);
            return label;
        }
        case ui::ControlKind::RichText:
            return new RichTextView(parent);
        case ui::ControlKind::Graph:
            return new GraphView(parent);
    }
    return new QWidget(parent);
}

void placeControlWidget(QWidget& widget, const ui::Control& control, const DialogUnits& units) {
    QRect rect = units.rect(control.rect);
    switch (control.kind) {
        case ui::ControlKind::DropDownList:
            // The template's height includes the open list; the closed box is one line.
            rect.setHeight(widget.sizeHint().height());
            break;
        case ui::ControlKind::Icon:
            rect.setSize(QSize(kIconSize, kIconSize));
            break;
        default:
            break;
    }
    widget.setGeometry(rect);
}

void applyControl(QWidget& widget, const ui::Control& control) {
    widget.setEnabled(control.enabled);
    widget.setVisible(control.visible);
    switch (control.kind) {
        case ui::ControlKind::Static:
            applyStatic(static_cast<QLabel&>(widget), control);
            break;
        case ui::ControlKind::PushButton:
            static_cast<QPushButton&>(widget).setText(fromModel(control.text));
            break;
        case ui::ControlKind::RadioButton: {
            auto& radio = static_cast<QRadioButton&>(widget);
            radio.setText(fromModel(control.text));
            radio.setChecked(control.checked);
            break;
        }
        case ui::ControlKind::GroupBox:
            static_cast<QGroupBox&>(widget).setTitle(fromModel(control.text));
            break;
        case ui::ControlKind::DropDownList:
            applyList(static_cast<QComboBox&>(widget), control);
            break;
        case ui::ControlKind::Edit:
            applyEdit(static_cast<QLineEdit&>(widget), control);
            break;
        case ui::ControlKind::Progress:
            applyProgress(static_cast<QProgressBar&>(widget), control);
            break;
        case ui::ControlKind::Icon:
            applyIcon(static_cast<QLabel&>(widget), control);
            break;
        case ui::ControlKind::RichText:
            static_cast<RichTextView&>(widget).showRuns(control.runs, control.richRewrites,
                                                        control.scrolledToEnd);
            break;
        case ui::ControlKind::Graph:
            static_cast<GraphView&>(widget).showGraph(control.graph);
            break;
    }
}

}  // namespace zlx::qt
