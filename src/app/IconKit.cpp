#include "IconKit.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace td::iconkit {
QColor FromBgr(Colour c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QPen Stroke(QColor colour, qreal width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A board space: a rounded bar twice as long as it is wide, like the spaces
// of the track itself.
void SpaceBody(QPainter& p, QPointF centre, qreal length, qreal width, qreal angle, QColor fill) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(Stroke(Ink, 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(-length / 2, -width / 2, length, width), 1.3, 1.3);
    p.restore();
}

void ArrowHead(QPainter& p, QPointF tip, qreal angleDeg, QColor colour, qreal size) {
    p.save();
    p.translate(tip);
    p.rotate(angleDeg);
    p.setPen(Stroke(colour, 1.0));
    p.setBrush(colour);
    p.drawPolygon(
        QPolygonF({QPointF(0, 0), QPointF(-size, -size * 0.6), QPointF(-size, size * 0.6)}));
    p.restore();
}

void Arrow(QPainter& p, QPointF from, QPointF to, QColor colour, qreal width) {
    const QPointF d = to - from;
    const qreal angle = qRadiansToDegrees(qAtan2(d.y(), d.x()));
    const qreal length = qSqrt(d.x() * d.x() + d.y() * d.y());
    // Stop the shaft short of the tip so the round cap does not poke through.
    const QPointF shaftEnd = length > 2 ? from + d * ((length - 2) / length) : from;
    p.setPen(Stroke(colour, width));
    p.drawLine(from, shaftEnd);
    ArrowHead(p, to, angle, colour);
}

// Four arrows pointing away from `centre`, from radius `inner` to `outer`.
void MoveArrows(QPainter& p, QPointF centre, qreal inner, qreal outer, QColor colour) {
    for (int i = 0; i < 4; ++i) {
        const qreal a = qDegreesToRadians(90.0 * i);
        const QPointF dir(qCos(a), qSin(a));
        Arrow(p, centre + dir * inner, centre + dir * outer, colour);
    }
}

// An arc around `centre` with an arrow head at its end. Angles are screen
// angles in degrees (0 = right, positive = clockwise, as y grows downwards).
void TurnArrow(QPainter& p, QPointF centre, qreal radius, qreal startDeg, qreal spanDeg,
               QColor colour) {
    QPainterPath arc;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        const qreal a = qDegreesToRadians(startDeg + spanDeg * i / steps);
        const QPointF pt = centre + QPointF(qCos(a), qSin(a)) * radius;
        if (i == 0)
            arc.moveTo(pt);
        else
            arc.lineTo(pt);
    }
    p.setPen(Stroke(colour, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    const qreal end = startDeg + spanDeg;
    const QPointF tip =
        centre + QPointF(qCos(qDegreesToRadians(end)), qSin(qDegreesToRadians(end))) * radius;
    ArrowHead(p, tip, end + (spanDeg >= 0 ? 90 : -90), colour);
}

namespace {

// The glyphs in a unit box.
QPainterPath GlyphPath(QChar ch) {
    QPainterPath g;
    switch (ch.unicode()) {
    case '3':
        g.moveTo(0.12, 0.0);
        g.lineTo(0.85, 0.0);
        g.lineTo(0.42, 0.42);
        g.cubicTo(1.05, 0.36, 1.05, 1.0, 0.48, 1.0);
        g.quadTo(0.22, 1.0, 0.06, 0.84);
        break;
    case '4':
        g.moveTo(0.72, 1.0);
        g.lineTo(0.72, 0.0);
        g.lineTo(0.02, 0.68);
        g.lineTo(1.0, 0.68);
        break;
    case 'P':
        g.moveTo(0.15, 1.0);
        g.lineTo(0.15, 0.0);
        g.lineTo(0.55, 0.0);
        g.cubicTo(1.0, 0.0, 1.0, 0.56, 0.55, 0.56);
        g.lineTo(0.15, 0.56);
        break;
    case 'N':
        g.moveTo(0.12, 1.0);
        g.lineTo(0.12, 0.0);
        g.lineTo(0.88, 1.0);
        g.lineTo(0.88, 0.0);
        break;
    case 'A':
        g.moveTo(0.04, 1.0);
        g.lineTo(0.5, 0.0);
        g.lineTo(0.96, 1.0);
        g.moveTo(0.24, 0.62);
        g.lineTo(0.76, 0.62);
        break;
    case 'i':
        g.moveTo(0.5, 0.42);
        g.lineTo(0.5, 1.0);
        g.addEllipse(QPointF(0.5, 0.08), 0.04, 0.04);
        break;
    case '+':
        g.moveTo(0.5, 0.0);
        g.lineTo(0.5, 1.0);
        g.moveTo(0.0, 0.5);
        g.lineTo(1.0, 0.5);
        break;
    case 'x':
        g.moveTo(0.1, 0.1);
        g.lineTo(0.9, 0.9);
        g.moveTo(0.9, 0.1);
        g.lineTo(0.1, 0.9);
        break;
    default:
        break;
    }
    return g;
}

} // namespace

void Glyph(QPainter& p, QChar ch, const QRectF& box, QColor colour, qreal width) {
    QTransform t;
    t.translate(box.x(), box.y());
    t.scale(box.width(), box.height());
    p.setPen(Stroke(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(t.map(GlyphPath(ch)));
}

// A coloured disc with a white glyph, used for numbers and +/x marks.
void Badge(QPainter& p, QPointF centre, qreal radius, QColor fill, QChar ch) {
    p.setPen(Stroke(Paper, 1.2));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    const qreal g = radius * 0.95;
    Glyph(p, ch, QRectF(centre.x() - g / 2, centre.y() - g / 2, g, g), Paper, 1.7);
}

void VertexMark(QPainter& p, QPointF v, QColor fill, qreal size) {
    p.setPen(Stroke(Ink, 0.9));
    p.setBrush(fill);
    p.drawRect(QRectF(v.x() - size / 2, v.y() - size / 2, size, size));
}

} // namespace td::iconkit
