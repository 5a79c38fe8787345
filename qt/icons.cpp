#include "qt/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include "resources/dialogs.h"

namespace zlx::qt {

namespace {

// Each painter draws on a 32 x 32 design grid, the viewBox of the matching SVG file.
using Painter = void (*)(QPainter&);

void paintProgram(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1e, 0x5a, 0xa8));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QPen arc(Qt::white, 3, Qt::SolidLine, Qt::RoundCap);
    p.setPen(arc);
    p.setBrush(Qt::NoBrush);
    // Three waves above the dot, centred on (16, 24).
    for (int radius : {6, 11, 16}) {
        QRectF box(16 - radius, 24 - radius, 2 * radius, 2 * radius);
        p.drawArc(box, 45 * 16, 90 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 24), 2.5, 2.5);
}

void paintWaiting(QPainter& p) {
    QPen frame(QColor(0x33, 0x33, 0x33), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(frame);
    p.drawLine(QPointF(7, 3), QPointF(25, 3));
    p.drawLine(QPointF(7, 29), QPointF(25, 29));
    QPainterPath glass;
    glass.moveTo(9, 4);
    glass.lineTo(23, 4);
    glass.lineTo(17, 16);
    glass.lineTo(23, 28);
    glass.lineTo(9, 28);
    glass.lineTo(15, 16);
    glass.closeSubpath();
    p.setBrush(QColor(0xe8, 0xf1, 0xfb));
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0xa4, 0x3a));
    p.drawPolygon(QPolygonF({QPointF(12, 8), QPointF(20, 8), QPointF(16, 15)}));
    p.drawPolygon(QPolygonF({QPointF(16, 21), QPointF(21, 27), QPointF(11, 27)}));
}

void paintWarning(QPainter& p) {
    QPen edge(QColor(0x5c, 0x45, 0x00), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(edge);
    p.setBrush(QColor(0xf2, 0xc2, 0x30));
    p.drawPolygon(QPolygonF({QPointF(16, 2), QPointF(30.5, 29), QPointF(1.5, 29)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawRoundedRect(QRectF(14.5, 10, 3, 11), 1.5, 1.5);
    p.drawEllipse(QPointF(16, 25), 1.8, 1.8);
}

Painter painterFor(int iconId) {
    switch (iconId) {
        case resources::kIconProgram:
            return &paintProgram;
        case resources::kIconWaiting:
            return &paintWaiting;
        case resources::kIconWarning:
            return &paintWarning;
        default:
            return nullptr;
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
    return painterFor(iconId) != nullptr;
}

QPixmap iconPixmap(int iconId, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    if (Painter paint = painterFor(iconId)) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        paint(painter);
    }
    return pixmap;
}

QIcon windowIcon(int iconId) {
    if (!hasIcon(iconId)) return {};
    return QIcon(new DrawnOnDemand(iconId));
}

}  // namespace zlx::qt
