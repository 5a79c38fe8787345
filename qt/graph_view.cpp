#include "qt/graph_view.h"

#include <QPainter>
#include <QPolygonF>

#include "qt/rgb_color.h"
#include "qt/text_fit.h"
#include "ui/graph_layout.h"

namespace zlx::qt {

namespace {

QRectF rectOf(const ui::GraphBox& box) {
    return QRectF(QPointF(box.left, box.top), QPointF(box.right, box.bottom));
}

Qt::Alignment alignmentOf(ui::GraphAlign align) {
    switch (align) {
        case ui::GraphAlign::Left:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case ui::GraphAlign::Centre:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case ui::GraphAlign::Right:
            break;
    }
    return Qt::AlignRight | Qt::AlignVCenter;
}

}  // namespace

GraphView::GraphView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void GraphView::showGraph(const ui::Graph& graph) {
    if (graph == graph_) return;
    graph_ = graph;
    update();
}

void GraphView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetricsF metrics(painter.font());
    ui::GraphMetrics m;
    m.width = width();
    m.height = height();
    m.lineHeight = metrics.height();
    m.textWidth = [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(fromModel(text));
    };
    const ui::GraphLayout layout = ui::layOutGraph(graph_, m);
    for (const ui::GraphItem& item : layout.items) {
        switch (item.kind) {
            case ui::GraphItem::Kind::Fill:
                painter.fillRect(rectOf(item.box), colorOf(item.color));
                break;
            case ui::GraphItem::Kind::Stroke: {
                painter.setPen(
                    QPen(colorOf(item.color), item.width,
                         item.style == ui::GraphLineStyle::Dashed ? Qt::DashLine : Qt::SolidLine));
                QPolygonF points;
                for (const ui::GraphPoint& p : item.points) points << QPointF(p.x, p.y);
                painter.drawPolyline(points);
                break;
            }
            case ui::GraphItem::Kind::Text:
                painter.setPen(colorOf(item.color));
                painter.drawText(rectOf(item.box), alignmentOf(item.align), fromModel(item.text));
                break;
        }
    }
}

}  // namespace zlx::qt
