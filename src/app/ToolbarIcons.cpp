#include "ToolbarIcons.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

#include "IconKit.h"
#include "PaintedIcon.h"
#include "model/Track.h"

namespace td {

namespace {

using namespace iconkit;

// A straight of tarmac split into lanes by dashed white lines, with a few
// board spaces in the lanes, as seen from above.
void Lanes(QPainter& p, int count, const QRectF& area) {
    const qreal pitch = area.height() / count;
    p.setPen(Stroke(Ink, 1.3));
    p.setBrush(Tarmac);
    p.drawRoundedRect(area, 1.5, 1.5);
    p.setPen(QPen(Paper, 1.0, Qt::DashLine, Qt::FlatCap));
    for (int i = 1; i < count; ++i) {
        const qreal y = area.top() + pitch * i;
        p.drawLine(QPointF(area.left() + 1, y), QPointF(area.right() - 1, y));
    }
    for (int row = 0; row < count; ++row) {
        const qreal y = area.top() + pitch * (row + 0.5);
        const qreal width = pitch * 0.62, length = width * 2;
        const qreal x = area.left() + 2 + length / 2 + (row % 2 ? 0 : length / 2);
        SpaceBody(p, QPointF(x, y), length, width, 0, row == count - 1 ? Highlight : SpaceFill);
    }
}

// A small closed track, a stadium of tarmac with dark edges.
void MiniTrack(QPainter& p, const QRectF& r) {
    const qreal radius = r.height() / 2;
    p.setBrush(Qt::NoBrush);
    p.setPen(Stroke(Ink, 4.4));
    p.drawRoundedRect(r, radius, radius);
    p.setPen(Stroke(Tarmac, 2.6));
    p.drawRoundedRect(r, radius, radius);
    p.setPen(QPen(Paper, 0.6, Qt::DashLine));
    p.drawRoundedRect(r, radius, radius);
}

QPolygonF ScenePolygon() {
    return QPolygonF({QPointF(3, 16), QPointF(6, 5), QPointF(14, 3), QPointF(20, 9),
                      QPointF(16, 18), QPointF(8, 20)});
}

void ScenePoly(QPainter& p, const QPolygonF& poly, bool marks = true) {
    p.setPen(Stroke(Ink, 1.3));
    p.setBrush(Lawn);
    p.drawPolygon(poly);
    if (marks)
        for (const QPointF& v : poly)
            VertexMark(p, v);
}

QPolygonF Scaled(const QPolygonF& poly, QPointF origin, qreal factor) {
    QPolygonF out;
    for (const QPointF& v : poly)
        out << origin + v * factor;
    return out;
}

// Corner brackets of a view finder around the whole icon.
void ViewFinder(QPainter& p) {
    p.setPen(Stroke(Ink, 1.6));
    const qreal a = 2.5, b = 21.5, l = 5;
    p.drawPolyline(QPolygonF({QPointF(a, a + l), QPointF(a, a), QPointF(a + l, a)}));
    p.drawPolyline(QPolygonF({QPointF(b - l, a), QPointF(b, a), QPointF(b, a + l)}));
    p.drawPolyline(QPolygonF({QPointF(b, b - l), QPointF(b, b), QPointF(b - l, b)}));
    p.drawPolyline(QPolygonF({QPointF(a + l, b), QPointF(a, b), QPointF(a, b - l)}));
}

// Device pixels per design unit of the painter (the icons are designed 24 units wide).
qreal DeviceScale(const QPainter& p) {
    return p.transform().m11();
}

void DotGrid(QPainter& p, int count, qreal radius) {
    p.setPen(Stroke(Ink, 1.0));
    p.setBrush(QColor(238, 241, 245));
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 2.5, 2.5);
    // The dots are laid on whole device pixels: smoothed at a small size, a
    // fine grid would blur into an even grey.
    const QTransform toDevice = p.transform();
    const int side = qMax(1, qFloor(2.0 * radius * DeviceScale(p)));
    p.save();
    p.resetTransform();
    p.setRenderHint(QPainter::Antialiasing, false);
    const qreal step = 18.0 / count;
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < count; ++j) {
            const QPointF c = toDevice.map(QPointF(3 + step * (i + 0.5), 3 + step * (j + 0.5)));
            p.fillRect(QRect(qRound(c.x() - side / 2.0), qRound(c.y() - side / 2.0), side, side),
                       Ink);
        }
    p.restore();
}

// At small sizes the lanes are plain stripes on whole pixels, so that three
// and four lanes can be counted.
void LaneStripes(QPainter& p, int count) {
    const QTransform toDevice = p.transform();
    const QPoint tl = toDevice.map(QPointF(1.5, 3)).toPoint();
    const QPoint br = toDevice.map(QPointF(22.5, 21)).toPoint();
    const int height = br.y() - tl.y();
    const int lane = qMax(1, (height - (count - 1)) / count);
    p.save();
    p.resetTransform();
    p.setRenderHint(QPainter::Antialiasing, false);
    int y = tl.y() + (height - (lane * count + count - 1)) / 2;
    for (int i = 0; i < count; ++i) {
        p.fillRect(QRect(tl.x(), y, br.x() - tl.x(), lane), i == count - 1 ? Ink : Tarmac);
        y += lane + 1;
    }
    p.restore();
}

// ------------------------------------------------------------ main toolbar symbols

void NewLanes(QPainter& p, int count) {
    if (DeviceScale(p) < 0.9) {
        LaneStripes(p, count);
        return;
    }
    if (count == 3)
        Lanes(p, 3, QRectF(1.5, 2.5, 21, 14));
    else
        Lanes(p, 4, QRectF(1.5, 1.5, 21, 16));
    Badge(p, QPointF(17.5, 17.5), 5.5, Blue, count == 3 ? '3' : '4');
}

void PaintFolder(QPainter& p) {
    p.setPen(Stroke(Ink, 1.3));
    p.setBrush(AmberDark);
    p.drawPolygon(QPolygonF({QPointF(2, 5), QPointF(9, 5), QPointF(11, 7.5), QPointF(20, 7.5),
                             QPointF(20, 19), QPointF(2, 19)}));
    p.setBrush(Amber);
    p.drawPolygon(
        QPolygonF({QPointF(2, 19), QPointF(5.5, 11), QPointF(23, 11), QPointF(19.5, 19)}));
}

void PaintDisk(QPainter& p) {
    p.setPen(Stroke(Ink, 1.3));
    p.setBrush(Blue);
    p.drawPolygon(QPolygonF(
        {QPointF(3, 3), QPointF(18, 3), QPointF(21, 6), QPointF(21, 21), QPointF(3, 21)}));
    p.setBrush(SpaceFill);
    p.drawRect(QRectF(7, 3, 9, 6));
    p.setBrush(Ink);
    p.drawRect(QRectF(12.5, 4.2, 2, 3.6));
    p.setBrush(Paper);
    p.drawRect(QRectF(6, 12.5, 12, 8.5));
    p.setPen(Stroke(SpaceFill, 0.9));
    p.drawLine(QPointF(8, 15.5), QPointF(16, 15.5));
    p.drawLine(QPointF(8, 18), QPointF(16, 18));
}

void PaintInfo(QPainter& p) {
    p.setPen(Stroke(Ink, 1.3));
    p.setBrush(Blue);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    Glyph(p, 'i', QRectF(8, 5.5, 8, 12.5), Paper, 2.6);
}

void PaintRefresh(QPainter& p) {
    TurnArrow(p, QPointF(12, 12), 7.5, 200, 130, Green);
    TurnArrow(p, QPointF(12, 12), 7.5, 20, 130, Green);
}

void PaintCenterView(QPainter& p) {
    ViewFinder(p);
    p.setPen(Stroke(Red, 1.6));
    p.drawLine(QPointF(12, 6.5), QPointF(12, 17.5));
    p.drawLine(QPointF(6.5, 12), QPointF(17.5, 12));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 3, 3);
}

void PaintCenterSpace(QPainter& p) {
    ViewFinder(p);
    SpaceBody(p, QPointF(12, 12), 12, 6.5, 0, Highlight);
    p.setPen(Stroke(Red, 1.2));
    p.drawLine(QPointF(12, 10), QPointF(12, 14));
    p.drawLine(QPointF(10, 12), QPointF(14, 12));
}

void PaintMagnifier(QPainter& p) {
    p.setPen(Stroke(Ink, 3.6));
    p.drawLine(QPointF(15, 15), QPointF(20.5, 20.5));
    p.setPen(Stroke(Ink, 2.0));
    p.setBrush(QColor(219, 232, 251));
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    p.setPen(Stroke(Paper, 1.3));
    p.drawArc(QRectF(6, 6, 8, 8), 100 * 16, 70 * 16);
}

void PaintHand(QPainter& p) {
    QPainterPath hand;
    auto finger = [&](qreal x, qreal top, qreal w) {
        QPainterPath f;
        f.addRoundedRect(QRectF(x, top, w, 14 - top + 4), w / 2, w / 2);
        hand = hand.united(f);
    };
    finger(6.6, 4.5, 3.2);
    finger(9.8, 2.5, 3.2);
    finger(13.0, 3.2, 3.2);
    finger(16.2, 5.6, 3.0);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(6.6, 10, 12.6, 11.5), 4, 4);
    hand = hand.united(palm);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-1.6, -5.5, 3.2, 9), 1.6, 1.6);
    hand = hand.united(QTransform().translate(6.2, 15).rotate(-40).map(thumb));
    p.setPen(Stroke(Ink, 1.2));
    p.setBrush(QColor(246, 215, 176));
    p.drawPath(hand.simplified());
    p.setPen(Stroke(QColor(190, 150, 110), 0.8));
    for (qreal x : {9.8, 13.0, 16.2})
        p.drawLine(QPointF(x, 8.5), QPointF(x, 11.5));
}

void PaintFlag(QPainter& p) {
    p.setPen(Stroke(Ink, 1.2));
    p.setBrush(SpaceFill);
    p.drawEllipse(QPointF(7, 20.5), 4, 1.5);
    QPainterPath flag;
    flag.moveTo(7, 3.5);
    flag.cubicTo(11, 1.5, 14, 6, 20, 4);
    flag.lineTo(20, 12.5);
    flag.cubicTo(14, 14.5, 11, 10, 7, 12);
    flag.closeSubpath();
    p.setBrush(Red);
    p.drawPath(flag);
    p.setPen(Stroke(Ink, 1.8));
    p.drawLine(QPointF(7, 3), QPointF(7, 20.5));
}

void PaintPolyMode(QPainter& p) {
    ScenePoly(p, ScenePolygon());
}

void PaintResetSpace(QPainter& p) {
    SpaceBody(p, QPointF(9.5, 8), 15, 8);
    // Turning back, as an undo sign.
    TurnArrow(p, QPointF(15.5, 15.5), 5.5, 30, -250, Blue);
}

void PaintChangeCor(QPainter& p) {
    SpaceBody(p, QPointF(12, 12), 17, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    for (QPointF pt : {QPointF(12, 12), QPointF(3.5, 7.5), QPointF(20.5, 7.5), QPointF(3.5, 16.5)})
        p.drawEllipse(pt, 1.2, 1.2);
    const QPointF cor(20.5, 16.5);
    p.setPen(Stroke(Red, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(cor, 2.6, 2.6);
    p.drawLine(cor - QPointF(4, 0), cor + QPointF(3.5, 0));
    p.drawLine(cor - QPointF(0, 4), cor + QPointF(0, 3.5));
}

void PaintScale(QPainter& p, bool up) {
    SpaceBody(p, QPointF(12, 15), up ? 18 : 9, 8);
    if (up) {
        Arrow(p, QPointF(12, 5), QPointF(2, 5), Blue);
        Arrow(p, QPointF(12, 5), QPointF(22, 5), Blue);
    } else {
        Arrow(p, QPointF(1.5, 5), QPointF(9.5, 5), Blue);
        Arrow(p, QPointF(22.5, 5), QPointF(14.5, 5), Blue);
    }
}

void PaintLetterSpace(QPainter& p, QChar letter, QColor colour) {
    SpaceBody(p, QPointF(12, 12), 21, 12);
    Glyph(p, letter, QRectF(8.7, 7.8, 6.6, 8.4), colour, 2.2);
}

void PaintGear(QPainter& p) {
    QPolygonF gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal a = qDegreesToRadians(360.0 * i / (teeth * 4) - 360.0 / (teeth * 8));
        const qreal r = (i % 4 == 1 || i % 4 == 2) ? 10.0 : 7.6;
        gear << QPointF(12 + r * qCos(a), 12 + r * qSin(a));
    }
    QPainterPath path;
    path.addPolygon(gear);
    path.closeSubpath();
    path.addEllipse(QPointF(12, 12), 3, 3);
    p.setPen(Stroke(Ink, 1.2));
    p.setBrush(QColor(154, 164, 177));
    p.drawPath(path);
}

// ------------------------------------------------------------ polygon toolbar symbols

void PaintBucket(QPainter& p) {
    p.save();
    p.translate(10, 9);
    p.rotate(-30);
    p.setPen(Stroke(Ink, 1.2));
    p.setBrush(SpaceFill);
    p.drawPolygon(QPolygonF({QPointF(-5, -4), QPointF(5, -4), QPointF(4, 6), QPointF(-4, 6)}));
    p.setBrush(Blue);
    p.drawEllipse(QPointF(0, -4), 5, 1.6);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-4, -9, 8, 9), 0, 180 * 16);
    p.restore();
    p.setPen(Stroke(Ink, 0.9));
    p.setBrush(Blue);
    QPainterPath drop;
    drop.moveTo(18.5, 8);
    drop.cubicTo(20.5, 11, 21, 12.5, 18.5, 13.5);
    drop.cubicTo(16, 12.5, 16.5, 11, 18.5, 8);
    p.drawPath(drop);
    const Colour swatches[] = {Palette[4], Palette[7], Palette[9]};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(FromBgr(swatches[i]));
        p.drawRect(QRectF(2 + i * 6.7, 18, 6.7, 4));
    }
}

void PaintOutline(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 4.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(4, 4, 12, 12));
    p.setPen(QPen(Blue, 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(4, 4, 12, 12));
    // A pencil drawing the edge.
    p.save();
    p.translate(17, 17);
    p.rotate(45);
    p.setPen(Stroke(Ink, 1.0));
    p.setBrush(Amber);
    p.drawRect(QRectF(-1.8, -8, 3.6, 8));
    p.setBrush(QColor(246, 215, 176));
    p.drawPolygon(QPolygonF({QPointF(-1.8, 0), QPointF(1.8, 0), QPointF(0, 3.6)}));
    p.restore();
}

// Stacking order: a highlighted square above or below a grey one, with one
// chevron for a single step and two for all the way.
void PaintStacking(QPainter& p, bool up, bool allTheWay) {
    const QRectF back(2, 3, 10, 10), front(6.5, 9, 10, 10);
    auto square = [&](const QRectF& r, QColor fill) {
        p.setPen(Stroke(Ink, 1.2));
        p.setBrush(fill);
        p.drawRect(r);
    };
    if (up) {
        square(back, SpaceFill);
        square(front, Blue);
    } else {
        square(front, Blue);
        square(back, SpaceFill);
    }
    p.setPen(Stroke(Ink, 1.8));
    p.setBrush(Qt::NoBrush);
    const int count = allTheWay ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        const qreal y = up ? 11 - i * 4.5 : 10 + i * 4.5;
        const qreal tip = up ? y - 3 : y + 3;
        p.drawPolyline(QPolygonF({QPointF(18.5, y), QPointF(20.5, tip), QPointF(22.5, y)}));
    }
}

void PaintNewRoad(QPainter& p) {
    QPainterPath road;
    road.moveTo(2, 21);
    road.cubicTo(6, 10, 15, 15, 21, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 8.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(road);
    p.setPen(QPen(Tarmac, 6.3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(road);
    p.setPen(QPen(Paper, 0.9, Qt::DashLine, Qt::FlatCap));
    p.drawPath(road);
    Badge(p, QPointF(18.5, 18.5), 4.6, Green, '+');
}

using SymbolPainter = void (*)(QPainter&);

const QHash<QString, SymbolPainter>& Painters() {
    static const QHash<QString, SymbolPainter> painters = {
        {"New3Lane", [](QPainter& p) { NewLanes(p, 3); }},
        {"New4Lane", [](QPainter& p) { NewLanes(p, 4); }},
        {"LoadTrack", PaintFolder},
        {"SaveTrack", PaintDisk},
        {"TrackInfo", PaintInfo},
        {"RefreshView", PaintRefresh},
        {"CenterView", PaintCenterView},
        {"CenterSpace", PaintCenterSpace},
        {"ZoomView", PaintMagnifier},
        {"TranslateView", PaintHand},
        {"TranslateSpace",
         [](QPainter& p) {
             SpaceBody(p, QPointF(12, 12), 10, 6);
             MoveArrows(p, QPointF(12, 12), 5.5, 11.5, Blue);
         }},
        {"RotateSpace",
         [](QPainter& p) {
             SpaceBody(p, QPointF(12, 12), 13, 6.5, -30);
             TurnArrow(p, QPointF(12, 12), 9.5, -150, 100, Blue);
             TurnArrow(p, QPointF(12, 12), 9.5, 30, 100, Blue);
         }},
        {"TranslateTrack",
         [](QPainter& p) {
             MiniTrack(p, QRectF(6, 7.5, 12, 9));
             MoveArrows(p, QPointF(12, 12), 7.2, 11.8, Blue);
         }},
        {"RotateTrack",
         [](QPainter& p) {
             MiniTrack(p, QRectF(5.5, 8, 13, 8));
             TurnArrow(p, QPointF(12, 12), 10, -160, 110, Blue);
             TurnArrow(p, QPointF(12, 12), 10, 20, 110, Blue);
         }},
        {"EditCorner", PaintFlag},
        {"PolyMode", PaintPolyMode},
        {"AddSpace",
         [](QPainter& p) {
             SpaceBody(p, QPointF(10, 9), 16, 8.5);
             Badge(p, QPointF(17.5, 17.5), 5.2, Green, '+');
         }},
        {"DeleteSpace",
         [](QPainter& p) {
             SpaceBody(p, QPointF(10, 9), 16, 8.5);
             Badge(p, QPointF(17.5, 17.5), 5.2, Red, 'x');
         }},
        {"ResetSpace", PaintResetSpace},
        {"ChangeCOR", PaintChangeCor},
        {"ScaleSpaceUp", [](QPainter& p) { PaintScale(p, true); }},
        {"ScaleSpaceDown", [](QPainter& p) { PaintScale(p, false); }},
        {"PrimarySpace", [](QPainter& p) { PaintLetterSpace(p, 'P', Red); }},
        {"NextSpace", [](QPainter& p) { PaintLetterSpace(p, 'N', Blue); }},
        {"AdjacentSpace", [](QPainter& p) { PaintLetterSpace(p, 'A', Green); }},
        {"GridFine", [](QPainter& p) { DotGrid(p, 6, 0.8); }},
        {"GridMedium", [](QPainter& p) { DotGrid(p, 4, 1.1); }},
        {"GridCoarse", [](QPainter& p) { DotGrid(p, 2, 1.7); }},
        {"Options", PaintGear},

        {"NewPoly",
         [](QPainter& p) {
             ScenePoly(p, Scaled(ScenePolygon(), QPointF(0, 0), 0.82));
             Badge(p, QPointF(18.5, 18.5), 4.6, Green, '+');
         }},
        {"NewRectangle",
         [](QPainter& p) {
             const QPolygonF r({QPointF(3, 4), QPointF(17, 4), QPointF(17, 14), QPointF(3, 14)});
             ScenePoly(p, r);
             Badge(p, QPointF(18.5, 18.5), 4.6, Green, '+');
         }},
        {"NewRoad", PaintNewRoad},
        {"EditPolyVertex",
         [](QPainter& p) {
             const QPolygonF poly = ScenePolygon();
             ScenePoly(p, poly);
             VertexMark(p, poly[3], Red, 4.2);
         }},
        {"TranslatePoly",
         [](QPainter& p) {
             ScenePoly(p, Scaled(ScenePolygon(), QPointF(5.4, 5.4), 0.55), false);
             MoveArrows(p, QPointF(12, 12), 6.5, 11.8, Blue);
         }},
        {"RotatePoly",
         [](QPainter& p) {
             ScenePoly(p, Scaled(ScenePolygon(), QPointF(5, 5), 0.58), false);
             TurnArrow(p, QPointF(12, 12), 10, -160, 110, Blue);
             TurnArrow(p, QPointF(12, 12), 10, 20, 110, Blue);
         }},
        {"DeletePoly",
         [](QPainter& p) {
             ScenePoly(p, Scaled(ScenePolygon(), QPointF(0, 0), 0.82), false);
             Badge(p, QPointF(18.5, 18.5), 4.6, Red, 'x');
         }},
        {"PolyFillcolor", PaintBucket},
        {"PolyOutline", PaintOutline},
        {"PolyFront", [](QPainter& p) { PaintStacking(p, true, true); }},
        {"PolyForward", [](QPainter& p) { PaintStacking(p, true, false); }},
        {"PolyBackward", [](QPainter& p) { PaintStacking(p, false, false); }},
        {"PolyBack", [](QPainter& p) { PaintStacking(p, false, true); }},
    };
    return painters;
}

// Button keys whose picture is stored under another image key.
QString ImageKeyOf(const QString& key) {
    static const QHash<QString, QString> shared = {
        {"SetPrimarySpace", "PrimarySpace"},   {"SetNextSpace", "NextSpace"},
        {"SetAdjacentSpace", "AdjacentSpace"}, {"CreatePoly", "NewPoly"},
        {"CreateRectangle", "NewRectangle"},   {"CreateRoad", "NewRoad"},
    };
    return shared.value(key, key);
}

int PaletteIndexOf(const QString& key) {
    if (!key.startsWith(QLatin1String("Palette")) || key.size() != 8)
        return 0;
    const int digit = key.at(7).digitValue();
    return digit >= 1 && digit <= 9 ? digit : 0;
}

} // namespace

bool PaintToolbarSymbol(QPainter& painter, const QString& key) {
    const auto it = Painters().find(ImageKeyOf(key));
    if (it == Painters().end())
        return false;
    painter.save();
    it.value()(painter);
    painter.restore();
    return true;
}

QIcon ToolbarIcon(const QString& key) {
    if (const int index = PaletteIndexOf(key))
        return PaletteSwatchIcon(index);
    const QString imageKey = ImageKeyOf(key);
    if (!Painters().contains(imageKey))
        return QIcon();
    return PaintedIcon([imageKey](QPainter& p) { PaintToolbarSymbol(p, imageKey); }, 24);
}

QIcon PaletteSwatchIcon(int index) {
    if (index < 1 || index > 9)
        return QIcon();
    const QColor colour = FromBgr(Palette[static_cast<size_t>(index)]);
    return PaintedIcon(
        [colour](QPainter& p) {
            p.setPen(Stroke(Ink, 1.2));
            p.setBrush(colour);
            p.drawRoundedRect(QRectF(3, 5, 18, 14), 2, 2);
        },
        24);
}

const QStringList& ToolbarImageKeys() {
    static const QStringList keys = {
        "New3Lane",       "New4Lane",       "LoadTrack",      "SaveTrack",   "TrackInfo",
        "RefreshView",    "CenterView",     "CenterSpace",    "ZoomView",    "TranslateView",
        "TranslateSpace", "RotateSpace",    "TranslateTrack", "RotateTrack", "EditCorner",
        "PolyMode",       "AddSpace",       "DeleteSpace",    "ResetSpace",  "ChangeCOR",
        "ScaleSpaceUp",   "ScaleSpaceDown", "PrimarySpace",   "NextSpace",   "AdjacentSpace",
        "GridFine",       "GridMedium",     "GridCoarse",     "Options"};
    return keys;
}

const QStringList& PolyToolbarImageKeys() {
    static const QStringList keys = {
        "NewPoly",     "NewRectangle", "NewRoad",       "EditPolyVertex", "TranslatePoly",
        "RotatePoly",  "DeletePoly",   "PolyFillcolor", "PolyOutline",    "PolyFront",
        "PolyForward", "PolyBackward", "PolyBack"};
    return keys;
}

} // namespace td
