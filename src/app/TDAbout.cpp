#include "TDAbout.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "AppIcon.h"
#include "TDSplash.h"

namespace td {

namespace {

// The maker's mark: a monogram on a dark disc.
QPixmap MakerMark(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    p.setPen(QPen(QColor(0xff, 0xd6, 0x66), 2));
    p.setBrush(QColor(0x26, 0x2b, 0x33));
    p.drawEllipse(QPointF(24, 24), 22, 22);
    QPen stroke(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(stroke);
    p.drawPolyline(QPolygonF(
        {QPointF(12, 33), QPointF(12, 15), QPointF(24, 28), QPointF(36, 15), QPointF(36, 33)}));
    return pixmap;
}

int FloorHalf(int value) {
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

} // namespace

QString AboutVersionLine() {
    return "Version " + VersionText();
}

TDAbout::TDAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("TDAbout");
    setWindowTitle("About");
    setModal(true);

    auto* logo = new QLabel(this);
    logo->setObjectName("TarvelLogo");
    logo->setPixmap(AppIcon().pixmap(96, 96));

    const QString texts[] = {"Tarvel Track Designer",
                             "The track editor for Tarvel, the turn-based motor-racing game",
                             AboutVersionLine(), QString("Built with Qt %1").arg(qVersion()),
                             "Click anywhere to close this window"};
    auto* textColumn = new QVBoxLayout;
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(texts[i], this);
        label->setObjectName(QString("AboutText(%1)").arg(i));
        if (i == 0) {
            QFont title = label->font();
            title.setBold(true);
            title.setPointSizeF(title.pointSizeF() * 1.5);
            label->setFont(title);
        }
        if (i == 4) {
            QPalette dim = label->palette();
            dim.setColor(QPalette::WindowText, dim.color(QPalette::Disabled, QPalette::WindowText));
            label->setPalette(dim);
        }
        textColumn->addWidget(label);
    }
    textColumn->addStretch(1);

    auto* maker = new QLabel(this);
    maker->setObjectName("MorrowLogo");
    maker->setPixmap(MakerMark(48));

    auto* row = new QHBoxLayout(this);
    row->setSpacing(18);
    row->setContentsMargins(20, 20, 20, 20);
    row->addWidget(logo, 0, Qt::AlignTop);
    row->addLayout(textColumn, 1);
    row->addWidget(maker, 0, Qt::AlignBottom);
}

void TDAbout::ShowAbout() {
    adjustSize();
    if (const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect m = main->frameGeometry();
        move(m.left() + FloorHalf(m.width() - width()), m.top() + FloorHalf(m.height() - height()));
    }
    exec();
}

void TDAbout::mousePressEvent(QMouseEvent* event) {
    // The labels pass their clicks on to the box, so any click lands here.
    QDialog::mousePressEvent(event);
    reject();
}

void TDAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // Only a real loss of focus closes the box, not the moment before it
    // first became active.
    if (isActiveWindow())
        wasActive_ = true;
    else if (wasActive_ && isVisible())
        reject();
}

} // namespace td
