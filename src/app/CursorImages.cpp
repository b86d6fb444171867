#include "CursorImages.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPoint>

#include "SvgIcon.h"

namespace td {

namespace {

constexpr int CursorSize = 32;

// Where each pointer acts, in the 32-pixel picture (the files say the same
// in their titles).
const QHash<QString, QPoint>& HotSpots() {
    static const QHash<QString, QPoint> spots = {
        {"ZoomView", {12, 12}},      {"TranslateView", {15, 14}}, {"TranslateSpace", {1, 1}},
        {"RotateSpace", {1, 1}},     {"TranslateTrack", {1, 1}},  {"RotateTrack", {1, 1}},
        {"EditCorner", {1, 1}},      {"EditPolyVertex", {16, 16}},
    };
    return spots;
}

// A white rim around the picture, so that the pointer stays visible on dark
// scenery as well as on the light background.
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

} // namespace

QCursor CursorImage(const QString& key) {
    const auto spot = HotSpots().find(key);
    if (spot != HotSpots().end()) {
        QFile file(IconResource(QStringLiteral("cursors/") + key));
        if (file.open(QIODevice::ReadOnly)) {
            const QImage art = RenderSvg(file.readAll(), CursorSize);
            if (!art.isNull())
                return QCursor(QPixmap::fromImage(WithHalo(art)), spot->x(), spot->y());
        }
    }
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
