#include "CursorImages.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "ToolbarIcons.h"

namespace td {

namespace {

constexpr int CursorSize = 32;
const QColor Ink(38, 43, 51);

// A white rim around everything painted, so that the pointer stays visible
// on dark scenery as well as on the light background.
QImage WithHalo(const QImage& art) {
    QImage silhouette = art;
    {
        QPainter p(&silhouette);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(silhouette.rect(), Qt::white);
    }
    QImage out(art.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0)
                p.drawImage(dx, dy, silhouette);
    p.drawImage(0, 0, art);
    return out;
}

QImage Blank() {
    QImage image(CursorSize, CursorSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The usual slanted arrow with its tip at (1, 1).
void PointerArrow(QPainter& p) {
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 15);
    arrow.lineTo(4.6, 11.6);
    arrow.lineTo(7.2, 17.2);
    arrow.lineTo(9.4, 16.2);
    arrow.lineTo(6.8, 10.8);
    arrow.lineTo(11.6, 10.8);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Ink);
    p.drawPath(arrow);
}

// Arrow pointer with the mode's toolbar symbol beside it; the hot spot is the tip.
QCursor ArrowWithSymbol(const QString& key) {
    QImage art = Blank();
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(12, 12);
        p.scale(19.0 / 24, 19.0 / 24);
        PaintToolbarSymbol(p, key);
    }
    QImage image = WithHalo(art);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        PointerArrow(p);
    }
    return QCursor(QPixmap::fromImage(image), 1, 1);
}

// The toolbar symbol alone, large, with the hot spot where it acts.
QCursor Symbol(const QString& key, qreal scale, QPointF hotSpot) {
    QImage art = Blank();
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        PaintToolbarSymbol(p, key);
    }
    const QPointF hot = hotSpot * scale;
    return QCursor(QPixmap::fromImage(WithHalo(art)), qRound(hot.x()), qRound(hot.y()));
}

// Cross hairs with a small vertex square at the hot spot in the middle.
QCursor VertexCross() {
    QImage art = Blank();
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Ink, 1.6));
        p.drawLine(QPointF(16, 3), QPointF(16, 11));
        p.drawLine(QPointF(16, 21), QPointF(16, 29));
        p.drawLine(QPointF(3, 16), QPointF(11, 16));
        p.drawLine(QPointF(21, 16), QPointF(29, 16));
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(QColor(214, 69, 65));
        p.drawRect(QRectF(13, 13, 6, 6));
    }
    return QCursor(QPixmap::fromImage(WithHalo(art)), 16, 16);
}

} // namespace

QCursor CursorImage(const QString& key) {
    if (key == QLatin1String("ZoomView"))
        return Symbol(key, 30.0 / 24, QPointF(10, 10)); // the middle of the lens
    if (key == QLatin1String("TranslateView"))
        return Symbol(key, 28.0 / 24, QPointF(12.5, 12));
    if (key == QLatin1String("EditPolyVertex"))
        return VertexCross();
    if (key == QLatin1String("TranslateSpace") || key == QLatin1String("RotateSpace") ||
        key == QLatin1String("TranslateTrack") || key == QLatin1String("RotateTrack") ||
        key == QLatin1String("EditCorner"))
        return ArrowWithSymbol(key);
    if (key == QLatin1String("SizeAll"))
        return QCursor(Qt::SizeAllCursor);
    if (key == QLatin1String("SizeNS"))
        return QCursor(Qt::SizeVerCursor);
    if (key == QLatin1String("SizeWE"))
        return QCursor(Qt::SizeHorCursor);
    return QCursor(Qt::ArrowCursor);
}

const QStringList& CursorImageKeys() {
    static const QStringList keys = {"ZoomView",    "TranslateView",  "TranslateSpace",
                                     "RotateSpace", "TranslateTrack", "RotateTrack",
                                     "EditCorner",  "EditPolyVertex"};
    return keys;
}

} // namespace td
