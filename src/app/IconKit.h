#pragma once
// The drawing kit shared by the painted toolbar icons and pointer images:
// one set of colours, strokes and small shapes, so that every picture has
// the same look. All sizes are in the 24-unit box of a toolbar icon.

#include <QChar>
#include <QColor>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include "model/Track.h"

class QPainter;

namespace td::iconkit {

inline const QColor Ink(38, 43, 51);
inline const QColor Paper(252, 252, 252);
inline const QColor SpaceFill(214, 219, 226);
inline const QColor Highlight(255, 214, 102);
inline const QColor Blue(45, 108, 223);
inline const QColor Red(214, 69, 65);
inline const QColor Green(46, 157, 73);
inline const QColor Amber(240, 180, 41);
inline const QColor AmberDark(214, 146, 24);
inline const QColor Lawn(126, 196, 112);
inline const QColor Tarmac(140, 140, 140);

// A track colour (0x00BBGGRR) as a QColor.
QColor FromBgr(Colour c);

// A round-capped, round-joined pen.
QPen Stroke(QColor colour = Ink, qreal width = 1.4);

// A board space: a rounded bar, by default twice as long as it is wide.
void SpaceBody(QPainter& p, QPointF centre, qreal length, qreal width, qreal angle = 0,
               QColor fill = SpaceFill);

// A filled arrow head with its tip at `tip`, pointing along `angleDeg`.
void ArrowHead(QPainter& p, QPointF tip, qreal angleDeg, QColor colour, qreal size = 3.6);
void Arrow(QPainter& p, QPointF from, QPointF to, QColor colour, qreal width = 1.6);
// Four arrows pointing away from `centre`, from radius `inner` to `outer`.
void MoveArrows(QPainter& p, QPointF centre, qreal inner, qreal outer, QColor colour);
// An arc around `centre` with an arrow head at its end. Angles are screen
// angles in degrees (0 = right, positive = clockwise, as y grows downwards).
void TurnArrow(QPainter& p, QPointF centre, qreal radius, qreal startDeg, qreal spanDeg,
               QColor colour);

// One of the stroked characters "3", "4", "P", "N", "A", "i", "+", "x" in
// `box`; drawn as strokes so the icons never depend on the machine's fonts.
void Glyph(QPainter& p, QChar ch, const QRectF& box, QColor colour, qreal width);
// A coloured disc with a white glyph, used for numbers and +/x marks.
void Badge(QPainter& p, QPointF centre, qreal radius, QColor fill, QChar ch);
// The square marker of a polygon vertex.
void VertexMark(QPainter& p, QPointF v, QColor fill = Paper, qreal size = 2.6);

} // namespace td::iconkit
