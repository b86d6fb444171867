#pragma once
// Toolbar images: one SVG file per image key under icons/.

#include <QIcon>
#include <QString>
#include <QStringList>

namespace td {

// The icon for an image key of the main toolbar ("New3Lane", "ZoomView",
// "PrimarySpace", ...) or of the polygon toolbar ("NewPoly", "PolyFront",
// ...). Button keys whose image is shared under another key
// ("SetPrimarySpace", "CreatePoly", ...) are accepted too, and so are
// "Palette1".."Palette9" for the colour entries of the polygon colour buttons.
// An unknown key gives a null icon.
QIcon ToolbarIcon(const QString& key);

// Every image key drawn for the main toolbar and the polygon toolbar.
const QStringList& ToolbarImageKeys();
const QStringList& PolyToolbarImageKeys();

// A swatch of palette colour 1..9 for the drop-down colour entries; null
// outside that range.
QIcon PaletteSwatchIcon(int index);

} // namespace td
