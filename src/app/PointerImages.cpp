#include "PointerImages.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace td {

namespace {

constexpr int Size = 32;

// Strokes a path as a black line with a white rim, visible on any background.
void Ink(QPainter& p, const QPainterPath& path) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void AddArrowHead(QPainterPath& path, QPointF tip, qreal angleDeg) {
    const qreal a = angleDeg * M_PI / 180.0;
    for (qreal side : {-1.0, 1.0}) {
        const qreal b = a + M_PI + side * 0.5;
        path.moveTo(tip);
        path.lineTo(tip + QPointF(std::cos(b) * 4.5, std::sin(b) * 4.5));
    }
}

QPainterPath FourWayArrow(QPointF c, qreal reach) {
    QPainterPath path;
    const QPointF ends[4] = {{c.x() + reach, c.y()}, {c.x(), c.y() + reach},
                             {c.x() - reach, c.y()}, {c.x(), c.y() - reach}};
    for (int i = 0; i < 4; ++i) {
        path.moveTo(c);
        path.lineTo(ends[i]);
        AddArrowHead(path, ends[i], i * 90.0);
    }
    return path;
}

QPainterPath TurnArrow(QPointF c, qreal radius) {
    QPainterPath path;
    const QRectF box(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    path.arcMoveTo(box, 120);
    path.arcTo(box, 120, 270);
    // The sweep ends at 30 degrees, travelling up and to the left.
    const qreal end = 30.0 * M_PI / 180.0;
    const QPointF tip(c.x() + radius * std::cos(end), c.y() - radius * std::sin(end));
    AddArrowHead(path, tip, 240.0);
    return path;
}

QPainterPath SpaceBox(QPointF c) {
    QPainterPath path;
    path.addRect(QRectF(c.x() - 5, c.y() - 3, 10, 6));
    return path;
}

QPainterPath TrackLines(QPointF c) {
    QPainterPath path;
    path.moveTo(c.x() - 6, c.y() - 3);
    path.lineTo(c.x() + 6, c.y() - 3);
    path.moveTo(c.x() - 6, c.y() + 3);
    path.lineTo(c.x() + 6, c.y() + 3);
    return path;
}

QCursor Painted(const std::function<void(QPainter&)>& paint, int hotX, int hotY) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    return QCursor(pixmap, hotX, hotY);
}

QCursor Make(const QString& key) {
    const QPointF c(16, 16);
    if (key == QLatin1String("ZoomView"))
        return Painted(
            [](QPainter& p) {
                QPainterPath glass;
                glass.addEllipse(QPointF(13, 13), 8, 8);
                glass.moveTo(19, 19);
                glass.lineTo(28, 28);
                glass.moveTo(9, 13);
                glass.lineTo(17, 13);
                glass.moveTo(13, 9);
                glass.lineTo(13, 17);
                Ink(p, glass);
            },
            13, 13);
    if (key == QLatin1String("TranslateView"))
        return QCursor(Qt::OpenHandCursor);
    if (key == QLatin1String("TranslateSpace"))
        return Painted(
            [c](QPainter& p) {
                Ink(p, FourWayArrow(c, 13));
                Ink(p, SpaceBox(c));
            },
            16, 16);
    if (key == QLatin1String("RotateSpace"))
        return Painted(
            [c](QPainter& p) {
                Ink(p, TurnArrow(c, 11));
                Ink(p, SpaceBox(c));
            },
            16, 16);
    if (key == QLatin1String("TranslateTrack"))
        return Painted(
            [c](QPainter& p) {
                Ink(p, FourWayArrow(c, 13));
                Ink(p, TrackLines(c));
            },
            16, 16);
    if (key == QLatin1String("RotateTrack"))
        return Painted(
            [c](QPainter& p) {
                Ink(p, TurnArrow(c, 11));
                Ink(p, TrackLines(c));
            },
            16, 16);
    if (key == QLatin1String("EditCorner"))
        return Painted(
            [](QPainter& p) {
                QPainterPath flag;
                flag.moveTo(4, 30);
                flag.lineTo(4, 3);
                flag.lineTo(22, 8);
                flag.lineTo(4, 14);
                Ink(p, flag);
            },
            4, 30);
    if (key == QLatin1String("EditPolyVertex"))
        return Painted(
            [c](QPainter& p) {
                QPainterPath cross;
                cross.moveTo(c.x() - 12, c.y());
                cross.lineTo(c.x() - 4, c.y());
                cross.moveTo(c.x() + 4, c.y());
                cross.lineTo(c.x() + 12, c.y());
                cross.moveTo(c.x(), c.y() - 12);
                cross.lineTo(c.x(), c.y() - 4);
                cross.moveTo(c.x(), c.y() + 4);
                cross.lineTo(c.x(), c.y() + 12);
                cross.addRect(QRectF(c.x() - 2, c.y() - 2, 4, 4));
                Ink(p, cross);
            },
            16, 16);
    if (key == QLatin1String("SizeAll"))
        return QCursor(Qt::SizeAllCursor);
    if (key == QLatin1String("SizeNS"))
        return QCursor(Qt::SizeVerCursor);
    if (key == QLatin1String("SizeWE"))
        return QCursor(Qt::SizeHorCursor);
    return QCursor(Qt::ArrowCursor);
}

} // namespace

QCursor PointerFor(const QString& key) {
    static QHash<QString, QCursor> cache;
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, Make(key));
    return *it;
}

} // namespace td
