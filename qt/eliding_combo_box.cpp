#include "qt/eliding_combo_box.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

namespace zlx::qt {

namespace {
// Room beside the text of a list row for the style's item margins.
constexpr int kRowMargin = 16;
}  // namespace

ElidingComboBox::ElidingComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    view()->setTextElideMode(Qt::ElideNone);
}

QRect ElidingComboBox::textRect() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                   this);
}

QString ElidingComboBox::shownText() const {
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, textRect().width());
}

int ElidingComboBox::popupWidth() const {
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, view()->fontMetrics().horizontalAdvance(itemText(i)));
    int scrollBar = view()->verticalScrollBar()->sizeHint().width();
    return std::max(width(), widest + kRowMargin + scrollBar);
}

void ElidingComboBox::showPopup() {
    view()->setMinimumWidth(popupWidth());
    QComboBox::showPopup();
}

void ElidingComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = shownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace zlx::qt
