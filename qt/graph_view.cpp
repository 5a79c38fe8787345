#include "qt/graph_view.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "qt/text_fit.h"

namespace zlx::qt {

namespace {

QColor colorOf(std::uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QString number(double value) {
    return QString::number(value, 'g', 4);
}

constexpr int kTicks = 4;

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
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const int panels = static_cast<int>(graph_.panels.size());
    if (panels == 0 || graph_.capacity < 2) return;
    // Room for the widest label of a left axis.
    int labelWidth = 0;
    for (const ui::GraphPanel& panel : graph_.panels)
        for (int i = 0; i <= kTicks; ++i)
            labelWidth = std::max(
                labelWidth,
                metrics.horizontalAdvance(
                    number(panel.left.min + i * (panel.left.max - panel.left.min) / kTicks) + " " +
                    fromModel(panel.left.unit)));
    const int left = labelWidth + 8;
    const int right = width() - (metrics.horizontalAdvance(QStringLiteral("100 %")) + 8);
    // The time axis' labels take the last line.
    const int bottomAll = height() - line - 4;
    const int panelHeight = (bottomAll - 2) / panels;
    auto xOf = [&](std::size_t sample) {
        return left + static_cast<double>(sample) * (right - left) /
                          static_cast<double>(graph_.capacity - 1);
    };
    for (int p = 0; p < panels; ++p) {
        const ui::GraphPanel& panel = graph_.panels[static_cast<std::size_t>(p)];
        // The title and the legend take the panel's first line.
        const int top = 2 + p * panelHeight + line + 2;
        const int bottom = 2 + (p + 1) * panelHeight - 6;
        painter.setPen(Qt::black);
        int legendX = left;
        QString title = fromModel(panel.title);
        painter.drawText(legendX, top - 4, title);
        legendX += metrics.horizontalAdvance(title) + 16;
        for (const ui::GraphPlot& plot : panel.plots) {
            painter.fillRect(legendX, top - 4 - line / 2 - 1, 14, 3, colorOf(plot.color));
            const ui::GraphAxis& axis = plot.rightAxis && panel.right ? *panel.right : panel.left;
            QString name = fromModel(plot.label) + " (" + fromModel(axis.unit) + ")";
            painter.drawText(legendX + 18, top - 4, name);
            legendX += 18 + metrics.horizontalAdvance(name) + 16;
        }
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawRect(QRect(left, top, right - left, bottom - top));
        auto yOf = [&](const ui::GraphAxis& axis, double value) {
            double t = (value - axis.min) / (axis.max - axis.min);
            t = std::clamp(t, 0.0, 1.0);
            return bottom - t * (bottom - top);
        };
        // Grid lines and the value axes' labels, each with its unit.
        for (int i = 0; i <= kTicks; ++i) {
            const double y = bottom - static_cast<double>(i) * (bottom - top) / kTicks;
            painter.setPen(QColor(0xE0, 0xE0, 0xE0));
            if (i > 0 && i < kTicks) painter.drawLine(QPointF(left, y), QPointF(right, y));
            painter.setPen(Qt::black);
            const double leftValue =
                panel.left.min + i * (panel.left.max - panel.left.min) / kTicks;
            QString leftText = number(leftValue) + " " + fromModel(panel.left.unit);
            painter.drawText(QRectF(0, y - line / 2.0, left - 4, line),
                             Qt::AlignRight | Qt::AlignVCenter, leftText);
            if (panel.right) {
                const double rightValue =
                    panel.right->min + i * (panel.right->max - panel.right->min) / kTicks;
                painter.drawText(QRectF(right + 4, y - line / 2.0, width() - right - 4, line),
                                 Qt::AlignLeft | Qt::AlignVCenter,
                                 number(rightValue) + " " + fromModel(panel.right->unit));
            }
        }
        // The marks: a dashed line in the event's colour, its word at the top; words of marks
        // too close to read side by side go one below the other.
        double lastX = -1e9;
        int below = 0;
        for (const ui::GraphMark& mark : graph_.marks) {
            const double x = xOf(mark.sample);
            QPen pen(colorOf(mark.color), 1.5, Qt::DashLine);
            painter.setPen(pen);
            painter.drawLine(QPointF(x, top), QPointF(x, bottom));
            if (p == 0) {
                below = x - lastX < line ? below : 0;
                lastX = x;
                painter.save();
                painter.translate(x + 3, top + 3 + below);
                below += metrics.horizontalAdvance(fromModel(mark.label)) + 6;
                painter.rotate(90);
                painter.drawText(0, 0, fromModel(mark.label));
                painter.restore();
            }
        }
        // The plots, broken where a sample has no value.
        for (const ui::GraphPlot& plot : panel.plots) {
            const ui::GraphAxis& axis = plot.rightAxis && panel.right ? *panel.right : panel.left;
            painter.setPen(QPen(colorOf(plot.color), 2));
            QPainterPath path;
            bool drawing = false;
            for (std::size_t i = 0; i < plot.values.size(); ++i) {
                if (!plot.values[i]) {
                    drawing = false;
                    continue;
                }
                QPointF point(xOf(i), yOf(axis, *plot.values[i]));
                if (drawing)
                    path.lineTo(point);
                else
                    path.moveTo(point);
                drawing = true;
            }
            painter.drawPath(path);
        }
    }
    // The time axis: minutes before now, the newest sample at the right edge.
    painter.setPen(Qt::black);
    const double span = static_cast<double>(graph_.capacity - 1) * graph_.secondsPerSample / 60.0;
    const int steps = static_cast<int>(std::floor(span));
    for (int m = 0; m <= steps; m += 2) {
        const double x = right - m / span * (right - left);
        QString label = m == 0 ? QStringLiteral("0") : QStringLiteral("-%1").arg(m);
        if (m == steps || m + 2 > steps) label += " " + fromModel(graph_.timeUnit);
        painter.drawText(QRectF(x - 40, bottomAll, 80, line + 4), Qt::AlignCenter, label);
    }
}

}  // namespace zlx::qt
