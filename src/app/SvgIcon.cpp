#include "SvgIcon.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace td {

namespace {

// Renders the document afresh for every size and mode; Qt's own SVG icon
// plugin would do the same, but the program should not depend on a plugin
// being installed to show its toolbar.
class SvgEngine : public QIconEngine {
  public:
    explicit SvgEngine(QByteArray document) : document_(std::move(document)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = scaledPixmap(rect.size(), mode, state, ratio);
        painter->drawPixmap(rect, pm);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                         qreal scale) override {
        const int side = qMax(1, qRound(qMin(size.width(), size.height()) * scale));
        QImage image = RenderSvg(document_, side);
        if (mode == QIcon::Disabled)
            image = Faded(image);
        QPixmap pm = QPixmap::fromImage(image);
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }

    QIconEngine* clone() const override { return new SvgEngine(document_); }
    bool isNull() override { return document_.isEmpty(); }

  private:
    // Grey and half transparent, as a disabled button reads.
    static QImage Faded(const QImage& image) {
        QImage out = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < out.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x) {
                const int g = 96 + qGray(line[x]) * 5 / 8;
                line[x] = qRgba(g, g, g, qAlpha(line[x]) / 2);
            }
        }
        return out;
    }

    QByteArray document_;
};

} // namespace

QString IconResource(const QString& name) {
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

QImage RenderSvg(const QByteArray& document, int pixels) {
    QSvgRenderer renderer(document);
    if (!renderer.isValid() || pixels < 1)
        return {};
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(0, 0, pixels, pixels));
    return image;
}

QIcon SvgIcon(const QString& name) {
    if (name.isEmpty())
        return {};
    QFile file(IconResource(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QIcon(new SvgEngine(file.readAll()));
}

} // namespace td
