#include "StatusPanel.h"

#include <QPainter>

#include <algorithm>

namespace td {

StatusPanel::StatusPanel(const QString& text, const QString& typical, QWidget* parent)
    : QLabel(text, parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The margins take the place of the indent QLabel gives framed labels.
    setIndent(0);
    setContentsMargins(2, 0, 2, 0);
    typicalWidth_ = fontMetrics().horizontalAdvance(typical) + 2 * frameWidth() + 4;
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize StatusPanel::sizeHint() const {
    QSize hint = QLabel::sizeHint();
    if (widestHint_ > 0)
        hint.setWidth(std::min(hint.width(), std::max(widestHint_, typicalWidth_)));
    return hint;
}

QSize StatusPanel::minimumSizeHint() const {
    // A short text asks for no more than it needs; a long one gives way down
    // to the typical width.
    const QSize hint = sizeHint();
    return QSize(std::min(hint.width(), typicalWidth_), hint.height());
}

QString StatusPanel::ShownText() const {
    const int room = contentsRect().width();
    return fontMetrics().elidedText(text(), Qt::ElideRight, room);
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    const QRect r = contentsRect();
    p.setFont(font());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, ShownText());
}

} // namespace td
