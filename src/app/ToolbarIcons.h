#pragma once
// Toolbar images, painted in code so that they stay sharp at any size and
// share one look: dark outlines, light space bodies and a few accent colours.

#include <QIcon>
#include <QString>
#include <QStringList>

class QPainter;

namespace td {

// The icon for an image key of the main toolbar ("New3Lane", "ZoomView",
// "PrimarySpace", ...) or of the polygon toolbar ("NewPoly", "PolyFront",
// ...). Button keys whose image is shared under another key
// ("SetPrimarySpace", "CreatePoly", ...) are accepted too, and so are
// "Palette1".."Palette9" for the colour entries of the polygon colour buttons.
// An unknown key gives a null icon.
QIcon ToolbarIcon(const QString& key);

// Every image key painted for the main toolbar and the polygon toolbar.
const QStringList& ToolbarImageKeys();
const QStringList& PolyToolbarImageKeys();

// A swatch of palette colour 1..9 for the drop-down colour entries; null
// outside that range.
QIcon PaletteSwatchIcon(int index);

// Paints the symbol of `key` into the box (0,0)-(24,24) of the painter's
// current coordinates; false (and nothing painted) for an unknown key.
bool PaintToolbarSymbol(QPainter& painter, const QString& key);

} // namespace td
