#include "DrawArea.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "KeyMap.h"

namespace td {

DrawArea::DrawArea(const QImageSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setObjectName(QStringLiteral("DrawArea"));
    // Hover feedback needs moves without a held button.
    setMouseTracking(true);
    // Key presses go on to the main window; the area only has to hold the focus.
    setFocusPolicy(Qt::StrongFocus);
    // The whole area is painted from the retained image every time.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
}

// The surface's own scale, so that a point the mouse reports is the point
// the surface draws at.
float DrawArea::TwipsPerPixelX() const {
    return surface_.TwipsPerPixelX();
}

float DrawArea::TwipsPerPixelY() const {
    return surface_.TwipsPerPixelY();
}

int DrawArea::ButtonValue(Qt::MouseButtons buttons) {
    int value = 0;
    if (buttons & Qt::LeftButton)
        value += 1;
    if (buttons & Qt::RightButton)
        value += 2;
    if (buttons & Qt::MiddleButton)
        value += 4;
    return value;
}

void DrawArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect r = event->rect();
    painter.fillRect(r, palette().color(QPalette::Window));
    painter.drawImage(r.topLeft(), surface_.Image(), r);
}

void DrawArea::SendMouse(CommandKind kind, int button, QMouseEvent* event) {
    if (!commandSink_)
        return;
    const QPointF p = event->position();
    commandSink_(Command::Mouse(kind, button, ModifierMask(event->modifiers()),
                                static_cast<float>(p.x()) * TwipsPerPixelX(),
                                static_cast<float>(p.y()) * TwipsPerPixelY()));
}

void DrawArea::mousePressEvent(QMouseEvent* event) {
    const int button = ButtonValue(event->button());
    if (button == 0)
        return;
    setFocus(Qt::MouseFocusReason);
    SendMouse(CommandKind::MouseDown, button, event);
}

void DrawArea::mouseMoveEvent(QMouseEvent* event) {
    SendMouse(CommandKind::MouseMove, ButtonValue(event->buttons()), event);
}

void DrawArea::mouseReleaseEvent(QMouseEvent* event) {
    const int button = ButtonValue(event->button());
    if (button == 0)
        return;
    SendMouse(CommandKind::MouseUp, button, event);
}

// Qt delivers the double-click in place of the second press, which is the
// order the editor expects: press, release, double-click, release.
void DrawArea::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        // A quick second right click is still a press.
        mousePressEvent(event);
        return;
    }
    SendMouse(CommandKind::DblClick, 1, event);
}

// One editor zoom step per notch of 120, anchored at the pointer.
void DrawArea::wheelEvent(QWheelEvent* event) {
    event->accept();
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / 120;
    if (notches == 0 || !commandSink_)
        return;
    wheelRest_ -= notches * 120;
    const QPointF p = event->position();
    Command c = Command::Mouse(CommandKind::MouseWheel, 0, ModifierMask(event->modifiers()),
                               static_cast<float>(p.x()) * TwipsPerPixelX(),
                               static_cast<float>(p.y()) * TwipsPerPixelY());
    c.index = notches;
    commandSink_(c);
}

void DrawArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ReportArea();
}

void DrawArea::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ReportArea();
}

void DrawArea::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    ReportArea();
}

void DrawArea::ReportArea() {
    if (areaSink_)
        areaSink_(static_cast<float>(width()) * TwipsPerPixelX(),
                  static_cast<float>(height()) * TwipsPerPixelY(), isVisible());
}

} // namespace td
