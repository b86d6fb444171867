#include "PaintedIcon.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace td {

namespace {

class PaintedIconEngine : public QIconEngine {
  public:
    PaintedIconEngine(std::function<void(QPainter&)> paint, qreal designSize)
        : paint_(std::move(paint)), designSize_(designSize) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        if (mode == QIcon::Disabled) {
            painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
            return;
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        // Keep the picture square and centred in a non-square target.
        const qreal side = qMin(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - side) / 2.0,
                           rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / designSize_, side / designSize_);
        paint_(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (size.isEmpty())
            return QPixmap();
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            paint(&painter, QRect(QPoint(0, 0), size), QIcon::Normal, state);
        }
        // Active and Selected look like Normal: the toolbar shows hovered and
        // pressed buttons by their frame.
        if (mode == QIcon::Disabled)
            FadeToGrey(image);
        return QPixmap::fromImage(image);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(paint_, designSize_); }
    QString key() const override { return QStringLiteral("td-painted"); }

  private:
    static void FadeToGrey(QImage& image) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = line[x];
                const int grey = 128 + qGray(c) / 2;
                line[x] = qRgba(grey, grey, grey, qAlpha(c) * 2 / 5);
            }
        }
    }

    std::function<void(QPainter&)> paint_;
    qreal designSize_;
};

} // namespace

QIcon PaintedIcon(std::function<void(QPainter&)> paint, qreal designSize) {
    if (!paint || designSize <= 0)
        return QIcon();
    return QIcon(new PaintedIconEngine(std::move(paint), designSize));
}

} // namespace td
