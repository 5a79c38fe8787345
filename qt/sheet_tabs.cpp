#include "qt/sheet_tabs.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionTabWidgetFrame>
#include <algorithm>
#include <cmath>

#include "qt/text_fit.h"

namespace zlx::qt {

namespace {

// The frame a tab widget draws around its pages, without a tab widget's own page handling.
class TabPane final : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        option.shape = QTabBar::RoundedNorth;
        option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        QPainter painter(this);
        // Qt's raster engine shares a fill of 96 spans or more (a line a pixel wide gives one
        // a scanline) among its thread pool's workers, and the frame's sides run the page's
        // whole height, so drawn whole they would wake the workers for lines a pixel wide. In
        // bands of fewer scanlines every fill stays on this thread, and the pixels are the
        // same. At a fractional scale a band's edge could cut a device pixel,
        // which both bands would then blend: there the frame is drawn whole.
        const QRect dirty = event->rect();
        const qreal ratio = devicePixelRatioF();
        const int band = ratio == std::floor(ratio)
                             ? std::max(1, kFrameBandPixels / static_cast<int>(ratio))
                             : dirty.height();
        for (int top = dirty.top(); top <= dirty.bottom(); top += band) {
            painter.setClipRect(
                QRect(dirty.left(), top, dirty.width(), std::min(band, dirty.bottom() - top + 1)));
            style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
        }
    }

  private:
    // Device pixels: both sides of a band make fewer than 96 spans.
    static constexpr int kFrameBandPixels = 40;
};

}  // namespace

SheetTabs::SheetTabs(QWidget& sheetView, const ui::PropertySheet& sheet, ui::ModelInput& input,
                     const DialogUnits& units)
    : input_(input),
      sheet_(sheet.handle()),
      tabBar_(new QTabBar(&sheetView)),
      frame_(new TabPane(&sheetView)),
      pageArea_(new QWidget(&sheetView)) {
    tabBar_->setObjectName(QStringLiteral("sheet-tabs"));
    pageArea_->setObjectName(QStringLiteral("page-area"));
    tabBar_->setDrawBase(false);
    tabBar_->setExpanding(false);
    tabBar_->setUsesScrollButtons(false);
    for (int i = 0; i < sheet.pageCount(); ++i) tabBar_->addTab(fromModel(sheet.page(i).caption()));

    // The frame is the tab control's below its tabs; the pages lie inside it.
    const ui::DialogRect control = sheet.tabControl();
    const int tabs = ui::PropertySheet::kTabHeight;
    QRect frame = units.rect(
        ui::DialogRect{control.x, control.y + tabs, control.width, control.height - tabs});
    // At a fractional scale (1.5) a frame line on a half pixel is lost at the pane's edge.
    frame.setTop(onDevicePixel(frame.top(), sheetView.devicePixelRatioF()));
    frame_->setGeometry(frame);
    QRect area = units.rect(sheet.pageArea());
    area.setTop(std::max(area.top(), frame.top()));
    pageArea_->setGeometry(area);
    int overlap = tabBar_->style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, tabBar_);
    int height = tabBar_->sizeHint().height();
    tabBar_->setGeometry(frame.left(), std::max(0, frame.top() - height + overlap), frame.width(),
                         height);
    tabBar_->raise();
    QObject::connect(tabBar_, &QTabBar::currentChanged, tabBar_,
                     [this](int index) { onTabChosen(index); });
    sync(sheet);
}

void SheetTabs::onTabChosen(int index) {
    if (index < 0) return;
    input_.activatePage(sheet_, index);
    // The model may keep the page it has; show what it decided.
    if (const ui::Dialog* window = input_.desktop().find(sheet_);
        window && window->kind() == ui::WindowKind::Sheet)
        sync(static_cast<const ui::PropertySheet&>(*window));
}

void SheetTabs::sync(const ui::PropertySheet& sheet) {
    QSignalBlocker block(tabBar_);
    // Setting a tab's text lays out the whole bar again, even when the text is the same.
    for (int i = 0; i < sheet.pageCount() && i < tabBar_->count(); ++i) {
        QString caption = fromModel(sheet.page(i).caption());
        if (tabBar_->tabText(i) != caption) tabBar_->setTabText(i, caption);
    }
    if (tabBar_->currentIndex() != sheet.activeIndex())
        tabBar_->setCurrentIndex(sheet.activeIndex());
}

}  // namespace zlx::qt
