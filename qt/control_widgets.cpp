#include "qt/control_widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringList>
#include <algorithm>

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

// The dialog font, or a smaller size of it in which `text` fits the label's width.
void fitFont(QLabel& label, const QString& text) {
    QFont font = label.parentWidget() ? label.parentWidget()->font() : QApplication::font();
    if (QFontMetrics(font).horizontalAdvance(text) > label.width()) {
        const bool points = font.pointSizeF() > 0;
        qreal size = points ? font.pointSizeF() : font.pixelSize();
        // Down in small steps from the size the widths suggest: glyph widths do not scale
        // exactly with the size.
        size = std::max<qreal>(
            1, size * label.width() / std::max(1, QFontMetrics(font).horizontalAdvance(text)));
        for (;;) {
            if (points)
                font.setPointSizeF(size);
            else
                font.setPixelSize(static_cast<int>(size));
            if (size <= 1 || QFontMetrics(font).horizontalAdvance(text) <= label.width()) break;
            size = std::max<qreal>(1, size - (points ? 0.25 : 1));
        }
    }
    if (label.font() != font) label.setFont(font);
    // On the line of the labels beside it: the smaller text sits on the same baseline.
    const int base = label.parentWidget() ? QFontMetrics(label.parentWidget()->font()).ascent()
                                          : QFontMetrics(QApplication::font()).ascent();
    label.setContentsMargins(0, std::max(0, base - QFontMetrics(font).ascent()), 0, 0);
}

void applyStatic(QLabel& label, const ui::Control& control) {
    QString whole = withoutAccessMarks(fromModel(control.text));
    QString text = whole;
    if (control.style & ui::kStyleFitWidth) fitFont(label, text);
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
        case ui::ControlKind::RadioButton: {
            // The "&" underlines its letter; what Alt with it does is the model's, not the
            // button's own shortcut.
            auto& button = static_cast<QAbstractButton&>(widget);
            QString text = fromModel(control.text);
            if (button.text() != text) {
                button.setText(text);
                button.setShortcut(QKeySequence());
            }
            button.setChecked(control.checked);
            break;
        }
        case ui::ControlKind::GroupBox:
            // A group box title with a mark would take the key for itself: its letter is drawn
            // plain, and a "&" of the text stays one.
            static_cast<QGroupBox&>(widget).setTitle(
                withoutAccessMarks(fromModel(control.text)).replace('&', QStringLiteral("&&")));
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
            static_cast<RichTextView&>(widget).showRuns(control);
            break;
        case ui::ControlKind::Graph:
            static_cast<GraphView&>(widget).showGraph(control.graph);
            break;
    }
}

}  // namespace zlx::qt
