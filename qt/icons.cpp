#include "qt/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPolygonF>
#include <span>

#include "qt/rgb_color.h"
#include "resources/icon_shapes.h"

namespace zlx::qt {

namespace {

QPolygonF polygonOf(const std::vector<resources::IconPoint>& points) {
    QPolygonF polygon;
    for (const resources::IconPoint& p : points) polygon << QPointF(p.x, p.y);
    return polygon;
}

// Draws the shapes on the 32 x 32 design grid.
void paintShapes(QPainter& p, std::span<const resources::IconShape> shapes) {
    for (const resources::IconShape& s : shapes) {
        p.setPen(s.stroke ? QPen(colorOf(*s.stroke), s.strokeWidth, Qt::SolidLine, Qt::RoundCap,
                                 Qt::RoundJoin)
                          : QPen(Qt::NoPen));
        p.setBrush(s.fill ? QBrush(colorOf(*s.fill)) : QBrush(Qt::NoBrush));
        const QRectF box(s.box.x, s.box.y, s.box.width, s.box.height);
        switch (s.kind) {
            case resources::IconShapeKind::Polygon:
                p.drawPolygon(polygonOf(s.points));
                break;
            case resources::IconShapeKind::Line:
                p.drawPolyline(polygonOf(s.points));
                break;
            case resources::IconShapeKind::RoundedRect:
                p.drawRoundedRect(box, s.radius, s.radius);
                break;
            case resources::IconShapeKind::Ellipse:
                p.drawEllipse(box);
                break;
            case resources::IconShapeKind::Arc:
                p.drawArc(box, qRound(s.startDegrees * 16), qRound(s.sweepDegrees * 16));
                break;
        }
    }
}

// The icon at its three sizes, drawn when something first asks for a picture of it. Made for
// every window, it is drawn for few: the offscreen platform never asks, and a window system
// asks for the sizes it shows.
class DrawnOnDemand final : public QIconEngine {
  public:
    explicit DrawnOnDemand(int iconId) : iconId_(iconId) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawn().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawn().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return drawn().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("zlx-drawn"); }
    QIconEngine* clone() const override { return new DrawnOnDemand(*this); }
    void virtual_hook(int id, void* data) override {
        if (id != QIconEngine::ScaledPixmapHook) return QIconEngine::virtual_hook(id, data);
        auto& request = *static_cast<QIconEngine::ScaledPixmapArgument*>(data);
        // The request's size is in device pixels; the drawn icon is asked as QIcon asks it.
        QSize logical(qRound(request.size.width() / request.scale),
                      qRound(request.size.height() / request.scale));
        request.pixmap = drawn().pixmap(logical, request.scale, request.mode, request.state);
    }

  private:
    const QIcon& drawn() {
        if (drawn_.isNull())
            for (int size : {16, 32, 48}) drawn_.addPixmap(iconPixmap(iconId_, size));
        return drawn_;
    }
    int iconId_;
    QIcon drawn_;
};

}  // namespace

bool hasIcon(int iconId) {
    return !resources::iconShapes(iconId).empty();
}

QPixmap iconPixmap(int iconId, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    if (hasIcon(iconId)) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        paintShapes(painter, resources::iconShapes(iconId));
    }
    return pixmap;
}

QIcon windowIcon(int iconId) {
    if (!hasIcon(iconId)) return {};
    return QIcon(new DrawnOnDemand(iconId));
}

}  // namespace zlx::qt
