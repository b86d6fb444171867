#pragma once
// Icons drawn from the SVG files under icons/, compiled in as Qt resources.

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>

namespace td {

// The resource path of an icon file: ":/icons/<name>.svg".
QString IconResource(const QString& name);

// The SVG file's picture as an icon, rendered at each size it is asked for
// (so that it is sharp on scaled screens too); null when there is no such file.
QIcon SvgIcon(const QString& name);

// An SVG document drawn into a transparent square image of `pixels` pixels;
// a null image when the document cannot be read.
QImage RenderSvg(const QByteArray& document, int pixels);

} // namespace td
