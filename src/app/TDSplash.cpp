#include "TDSplash.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "AppIcon.h"
#include "Version.h"

namespace td {

QString VersionText() {
    return QStringLiteral(TD_VERSION_STRING);
}

namespace {
int FloorHalf(int value) {
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}
} // namespace

TDSplash::TDSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), timer_(new QTimer(this)) {
    setObjectName("TDSplash");

    auto* logo = new QLabel(this);
    logo->setObjectName("TarvelLogo");
    logo->setPixmap(AppIcon().pixmap(160, 160));
    logo->setAlignment(Qt::AlignCenter);

    auto* name = new QLabel("Tarvel Track Designer", this);
    name->setObjectName("NameLbl");
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.8);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);

    auto* caption = new QLabel("Version", this);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* version = new QLabel(VersionText(), this);
    version->setObjectName("VersionLbl");
    auto* versionRow = new QHBoxLayout;
    versionRow->addStretch(1);
    versionRow->addWidget(caption);
    versionRow->addWidget(version);
    versionRow->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(36, 28, 36, 28);
    column->setSpacing(12);
    column->addWidget(logo);
    column->addWidget(name);
    column->addLayout(versionRow);

    setStyleSheet("#TDSplash { background: #fcfcfc; border: 2px solid #262b33; }");
    setAttribute(Qt::WA_StyledBackground);

    timer_->setObjectName("SplashTimer");
    timer_->setInterval(SplashInterval);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &TDSplash::Dismiss);
}

void TDSplash::ShowSplash() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.left() + FloorHalf(s.width() - width()), s.top() + FloorHalf(s.height() - height()));
    }
    finished_ = false;
    wasActive_ = false;
    show();
    raise();
    timer_->start();
}

void TDSplash::Dismiss() {
    if (finished_)
        return;
    finished_ = true;
    timer_->stop();
    close();
    emit Finished();
}

void TDSplash::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    Dismiss();
}

void TDSplash::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        wasActive_ = true;
    else if (wasActive_ && isVisible())
        Dismiss();
}

} // namespace td
