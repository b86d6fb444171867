// Painted toolbar icons, pointer images, the application icon and the files
// that install them on the desktop.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QSet>

#include "AppIcon.h"
#include "CursorImages.h"
#include "TDTestSupport.h"
#include "ToolbarIcons.h"
#include "edit/UiDefs.h"
#include "model/Track.h"

namespace td {
namespace {

QApplication& App() {
    return testing::App();
}

QImage Render(const QIcon& icon, int size = 24, QIcon::Mode mode = QIcon::Normal) {
    return icon.pixmap(QSize(size, size), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

int PaintedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

// Every image key the two toolbars ask for, as the main window builds them.
QStringList RequestedImageKeys() {
    QStringList keys;
    for (const auto* bar : {&MainToolbar(), &PolyToolbar()})
        for (const ButtonDef& b : *bar)
            if (!b.image.empty())
                keys << QString::fromStdString(b.image);
    return keys;
}

class Icons : public ::testing::Test {
  protected:
    void SetUp() override { App(); }
};

TEST_F(Icons, EveryToolbarImageKeyIsPaintedAndNoTwoLookAlike) {
    const QStringList keys = RequestedImageKeys();
    ASSERT_GE(keys.size(), 40);
    QHash<QByteArray, QString> seen;
    for (const QString& key : keys) {
        const QIcon icon = ToolbarIcon(key);
        ASSERT_FALSE(icon.isNull()) << key.toStdString();
        const QImage image = Render(icon);
        EXPECT_EQ(image.size(), QSize(24, 24)) << key.toStdString();
        // A blank or nearly blank square means the key reached no drawing.
        EXPECT_GT(PaintedPixels(image), 24 * 24 / 8) << key.toStdString();
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()),
                               image.sizeInBytes());
        EXPECT_FALSE(seen.contains(bytes))
            << key.toStdString() << " looks like " << seen.value(bytes).toStdString();
        seen.insert(bytes, key);
    }
    for (const QString& key : ToolbarImageKeys() + PolyToolbarImageKeys())
        EXPECT_TRUE(keys.contains(key)) << key.toStdString() << " is painted but never used";
}

// Every picture the shell asks for (buttons, palette entries, pointers, the
// program itself) comes from a file and draws something at each toolbar size.
TEST_F(Icons, EveryIconTheShellUsesDrawsAtSixteenTwentyFourAndThirtyTwoPixels) {
    std::vector<std::pair<QString, QIcon>> icons;
    for (const QString& key : RequestedImageKeys())
        icons.emplace_back(key, ToolbarIcon(key));
    for (int k = 1; k <= 9; ++k)
        icons.emplace_back(QString("Palette%1").arg(k), PaletteSwatchIcon(k));
    icons.emplace_back("app", AppIcon());
    for (const auto& [name, icon] : icons) {
        ASSERT_FALSE(icon.isNull()) << name.toStdString();
        for (int size : {16, 24, 32}) {
            const QImage image = Render(icon, size);
            EXPECT_EQ(image.size(), QSize(size, size)) << name.toStdString();
            EXPECT_GT(PaintedPixels(image), size * size / 8) << name.toStdString() << " " << size;
        }
    }
    for (const QString& key : CursorImageKeys()) {
        const QImage image = CursorImage(key).pixmap().toImage();
        EXPECT_EQ(image.size(), QSize(32, 32)) << key.toStdString();
        EXPECT_GT(PaintedPixels(image.convertToFormat(QImage::Format_ARGB32)), 32 * 4)
            << key.toStdString();
    }
    // No file lies unused: each is a toolbar image, a pointer, the swatch or
    // the program's icon.
    const QStringList used = ToolbarImageKeys() + PolyToolbarImageKeys() +
                             QStringList{"Swatch", "org.tarvel.TrackDesigner"};
    for (const QFileInfo& f : QDir(":/icons").entryInfoList({"*.svg"}, QDir::Files))
        EXPECT_TRUE(used.contains(f.completeBaseName())) << f.fileName().toStdString();
    for (const QFileInfo& f : QDir(":/icons/cursors").entryInfoList({"*.svg"}, QDir::Files))
        EXPECT_TRUE(CursorImageKeys().contains(f.baseName())) << f.fileName().toStdString();
}

TEST_F(Icons, SharedButtonKeysShowTheImageOfTheirImageKey) {
    const std::pair<const char*, const char*> shared[] = {
        {"SetPrimarySpace", "PrimarySpace"},   {"SetNextSpace", "NextSpace"},
        {"SetAdjacentSpace", "AdjacentSpace"}, {"CreatePoly", "NewPoly"},
        {"CreateRectangle", "NewRectangle"},   {"CreateRoad", "NewRoad"}};
    for (const auto& [button, image] : shared)
        EXPECT_EQ(Render(ToolbarIcon(button)), Render(ToolbarIcon(image))) << button;
    EXPECT_TRUE(ToolbarIcon("NoSuchKey").isNull());
    EXPECT_TRUE(ToolbarIcon("").isNull());
    EXPECT_TRUE(ToolbarIcon("Palette0").isNull());
    EXPECT_TRUE(ToolbarIcon("Palette10").isNull());
}

TEST_F(Icons, IconsScaleAndFadeWhenDisabled) {
    const QIcon icon = ToolbarIcon("AddSpace");
    for (int size : {16, 32, 48, 96}) {
        const QImage image = Render(icon, size);
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_GT(PaintedPixels(image), size * size / 8) << size;
    }
    const QImage normal = Render(icon, 24);
    const QImage disabled = Render(icon, 24, QIcon::Disabled);
    ASSERT_EQ(disabled.size(), normal.size());
    EXPECT_NE(disabled, normal);
    int painted = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const QRgb c = disabled.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            ++painted;
            EXPECT_LE(qAbs(qRed(c) - qBlue(c)), 2) << x << "," << y;
            EXPECT_LE(qAlpha(c), qAlpha(normal.pixel(x, y)));
        }
    EXPECT_GT(painted, 0);
}

TEST_F(Icons, PaletteSwatchesShowTheScenaryColoursInTheirRealByteOrder) {
    for (int k = 1; k <= 9; ++k) {
        const QImage image = Render(PaletteSwatchIcon(k), 24);
        const Colour c = Palette[static_cast<size_t>(k)];
        // Palette entries are 0x00BBGGRR: red is the low byte.
        EXPECT_EQ(image.pixelColor(12, 12), QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF))
            << k;
        EXPECT_EQ(Render(ToolbarIcon(QString("Palette%1").arg(k))), image) << k;
    }
    EXPECT_TRUE(PaletteSwatchIcon(0).isNull());
    EXPECT_TRUE(PaletteSwatchIcon(10).isNull());
}

TEST_F(Icons, PointerImagesArePaintedWithTheHotSpotOnTheDrawing) {
    const QStringList keys = CursorImageKeys();
    EXPECT_EQ(keys.size(), 8);
    for (const QString& key : keys) {
        const QCursor cursor = CursorImage(key);
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << key.toStdString();
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull()) << key.toStdString();
        const QPoint hot = cursor.hotSpot();
        ASSERT_TRUE(image.rect().contains(hot)) << key.toStdString();
        // The spot that acts must be where the picture shows it, not in thin air.
        EXPECT_GT(qAlpha(image.pixel(hot)), 0) << key.toStdString();
    }
    EXPECT_EQ(CursorImage("SizeAll").shape(), Qt::SizeAllCursor);
    EXPECT_EQ(CursorImage("SizeNS").shape(), Qt::SizeVerCursor);
    EXPECT_EQ(CursorImage("SizeWE").shape(), Qt::SizeHorCursor);
    EXPECT_EQ(CursorImage("Arrow").shape(), Qt::ArrowCursor);
    EXPECT_EQ(CursorImage("Bogus").shape(), Qt::ArrowCursor);
    // Every mode has its own pointer.
    for (const std::string& mode : ModeKeys()) {
        if (mode != "PolyMode") {
            EXPECT_TRUE(keys.contains(QString::fromStdString(mode))) << mode;
        }
    }
}

TEST_F(Icons, AppIconIsTheTrackBoardAtEverySize) {
    const QIcon icon = AppIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 48, 256})
        EXPECT_GT(PaintedPixels(Render(icon, size)), size * size / 2) << size;
    const QImage big = Render(icon, 256);
    // Grass in the corner of the board, tarmac on the left straight, grass
    // in the infield: the same places the SVG paints.
    EXPECT_EQ(big.pixelColor(30, 30), QColor(0x2e, 0x7d, 0x32));
    EXPECT_EQ(big.pixelColor(44 - 12, 128), QColor(0x8c, 0x8c, 0x8c));
    EXPECT_EQ(big.pixelColor(128, 128), QColor(0x2e, 0x7d, 0x32));
}

// ------------------------------------------------------------ desktop files

QString PackagingFile(const char* name) {
    QFile file(QString(TD_TEST_DATA_DIR) + "/../../packaging/" + name);
    if (!file.exists())
        file.setFileName(QString(TD_TEST_DATA_DIR) + "/../../src/app/icons/" + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

TEST(DesktopFiles, LauncherFileTypeAndIconNameEachOther) {
    const QString desktop = PackagingFile("org.tarvel.TrackDesigner.desktop");
    const QString mime = PackagingFile("org.tarvel.TrackDesigner.xml");
    const QString svg = PackagingFile("org.tarvel.TrackDesigner.svg");
    ASSERT_FALSE(desktop.isEmpty());
    ASSERT_FALSE(mime.isEmpty());
    ASSERT_FALSE(svg.isEmpty());

    auto entry = [&](const char* key) {
        const QRegularExpression re(QString("^%1=(.*)$").arg(key),
                                    QRegularExpression::MultilineOption);
        return re.match(desktop).captured(1).trimmed();
    };
    EXPECT_TRUE(desktop.startsWith("[Desktop Entry]"));
    EXPECT_EQ(entry("Name"), "Tarvel Track Designer");
    EXPECT_EQ(entry("Exec"), "tarvel-td %f");
    EXPECT_EQ(entry("Icon"), "org.tarvel.TrackDesigner");
    EXPECT_EQ(entry("MimeType"), "application/x-tarvel-track;");
    EXPECT_EQ(entry("Categories"), "Graphics;Game;");

    EXPECT_TRUE(mime.contains("type=\"application/x-tarvel-track\""));
    EXPECT_TRUE(mime.contains("pattern=\"*.trk\""));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 256 256\""));
}

} // namespace
} // namespace td
