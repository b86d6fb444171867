#pragma once
// The drawing area: shows the retained image the editor draws into and turns
// mouse events into editor commands in twips. It holds no editing logic.

#include <QWidget>

#include <functional>

#include "edit/Command.h"
#include "render/qt/QImageSurface.h"

namespace td {

class DrawArea : public QWidget {
    Q_OBJECT
  public:
    using CommandSink = std::function<void(const Command&)>;
    // Called with the new extent in twips whenever the size or the visibility
    // changes.
    using AreaSink = std::function<void(float widthTwips, float heightTwips, bool visible)>;

    // Shows the picture of `surface`, which must outlive the area.
    explicit DrawArea(const QImageSurface& surface, QWidget* parent = nullptr);

    void SetCommandSink(CommandSink sink) { commandSink_ = std::move(sink); }
    void SetAreaSink(AreaSink sink) { areaSink_ = std::move(sink); }

    // The size of one screen pixel in twips (1440 / logical dpi), as the
    // surface counts it.
    float TwipsPerPixelX() const;
    float TwipsPerPixelY() const;

    // The mouse button value of the editor for Qt buttons: 1 left, 2 right,
    // 4 middle, added for a move with several held.
    static int ButtonValue(Qt::MouseButtons buttons);

    // Tells the area sink the current extent and visibility.
    void ReportArea();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void SendMouse(CommandKind kind, int button, QMouseEvent* event);

    const QImageSurface& surface_;
    CommandSink commandSink_;
    AreaSink areaSink_;
    // Wheel rotation not yet sent, in eighths of a degree (fine-grained
    // wheels report less than one notch at a time).
    int wheelRest_ = 0;
};

} // namespace td
