#include "AppIcon.h"

#include <QPainter>
#include <QPainterPath>

#include "PaintedIcon.h"

namespace td {

namespace {

// The geometry below is mirrored number for number in the SVG file, so that
// the desktop and the program show the same picture.
const QRectF TrackPath(44, 72, 168, 112); // centre line of the tarmac band
constexpr qreal TrackRadius = 56;         // half the path's height: a stadium

void Stadium(QPainter& p, qreal inset, const QPen& pen) {
    const QRectF r = TrackPath.adjusted(inset, inset, -inset, -inset);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, TrackRadius - inset, TrackRadius - inset);
}

} // namespace

void PaintAppIcon(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // The board: a rounded square of grass.
    p.setPen(QPen(QColor(0x1b, 0x4d, 0x1f), 6));
    p.setBrush(QColor(0x2e, 0x7d, 0x32));
    p.drawRoundedRect(QRectF(11, 11, 234, 234), 40, 40);

    // Tarmac with dark kerbs, three lanes split by white lines.
    Stadium(p, 0, QPen(QColor(0x26, 0x2b, 0x33), 50));
    Stadium(p, 0, QPen(QColor(0x8c, 0x8c, 0x8c), 44));
    QPen laneLine(Qt::white, 2.5);
    Stadium(p, -7.5, laneLine);
    Stadium(p, 7.5, laneLine);

    // Chequered finish line across the bottom straight.
    const qreal cell = 44.0 / 6;
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 2; ++col) {
            const bool dark = (row + col) % 2 == 1;
            p.fillRect(QRectF(124 + col * cell, 162 + row * cell, cell, cell),
                       dark ? QColor(0x26, 0x2b, 0x33) : Qt::white);
        }

    // Two board spaces on the top straight, the current one highlighted.
    p.setPen(QPen(QColor(0x26, 0x2b, 0x33), 3));
    p.setBrush(QColor(0xff, 0xd6, 0x66));
    p.drawRoundedRect(QRectF(104, 52, 24, 11), 3, 3);
    p.setBrush(QColor(0xd6, 0x45, 0x41));
    p.drawRoundedRect(QRectF(118, 66.5, 24, 11), 3, 3);
    p.restore();
}

QIcon AppIcon() {
    return PaintedIcon([](QPainter& p) { PaintAppIcon(p); }, 256);
}

} // namespace td
