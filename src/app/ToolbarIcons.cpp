#include "ToolbarIcons.h"

#include <QFile>
#include <QHash>
#include <QPixmap>

#include "SvgIcon.h"
#include "model/Track.h"

namespace td {

namespace {

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

bool IsToolbarImage(const QString& key) {
    return ToolbarImageKeys().contains(key) || PolyToolbarImageKeys().contains(key);
}

} // namespace

QIcon ToolbarIcon(const QString& key) {
    if (const int index = PaletteIndexOf(key))
        return PaletteSwatchIcon(index);
    const QString imageKey = ImageKeyOf(key);
    // Only toolbar pictures: the cursors and the application icon live beside them.
    return IsToolbarImage(imageKey) ? SvgIcon(imageKey) : QIcon();
}

QIcon PaletteSwatchIcon(int index) {
    if (index < 1 || index > 9)
        return QIcon();
    // The swatch file leaves its colour to be filled in; palette entries are
    // 0x00BBGGRR, so red is the low byte.
    QFile file(IconResource(QStringLiteral("Swatch")));
    if (!file.open(QIODevice::ReadOnly))
        return QIcon();
    const Colour c = Palette[static_cast<size_t>(index)];
    const QByteArray rgb = QByteArray::number((c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF), 16)
                               .rightJustified(6, '0');
    const QByteArray document = file.readAll().replace("#PALETTE", "#" + rgb);
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(QPixmap::fromImage(RenderSvg(document, size)));
    return icon;
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
