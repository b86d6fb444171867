#include "TDCornerProp.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "HostText.h"
#include "edit/CornerOps.h"

namespace td {

TDCornerProp::TDCornerProp(CommandSink sink, QWidget* parent)
    : QDialog(parent), sink_(std::move(sink)) {
    setObjectName(QStringLiteral("TDCornerProp"));
    setWindowTitle(QString::fromLatin1(CornerPropTitle));
    setModal(false);

    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    for (int i = 0; i < 4; ++i) {
        auto* label =
            new QLabel(QString::fromLatin1(CornerPropCaptions[static_cast<size_t>(i)]), this);
        label->setObjectName(QStringLiteral("CornerPropLbl(%1)").arg(i));
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("CornerPropTxt(%1)").arg(i));
        box->setMinimumWidth(i == 0 ? 220 : 80);
        box->installEventFilter(this);
        label->setBuddy(box);
        grid->addWidget(label, i, 0);
        grid->addWidget(box, i, 1);
        boxes_[static_cast<size_t>(i)] = box;
    }
    outer->addLayout(grid);

    // OK is the only button: the window's close control discards the edits.
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKBtn"));
    okButton_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    outer->addLayout(buttons);
    connect(okButton_, &QPushButton::clicked, this, &TDCornerProp::OKBtn_Click);
}

QLineEdit* TDCornerProp::Box(int index) const {
    return index >= 0 && index < 4 ? boxes_[static_cast<size_t>(index)] : nullptr;
}

void TDCornerProp::ShowCornerProp(const std::array<std::string, 4>& texts) {
    for (size_t i = 0; i < 4; ++i)
        boxes_[i]->setText(FromHostText(texts[i]));
    adjustSize();
    CenterOverMainWindow();
    show();
    raise();
    activateWindow();
    SelectBox(0);
}

void TDCornerProp::SelectBox(int index) {
    QLineEdit* box = Box(index);
    if (!box)
        return;
    // After a refusal the keys must come here again, not to the main window.
    raise();
    activateWindow();
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    // The window may only become active later (after the message box that
    // refused a text, or once the window manager shows it); the choice is
    // made again then.
    pendingBox_ = index;
}

void TDCornerProp::OKBtn_Click() {
    std::vector<std::string> texts;
    for (const QLineEdit* box : boxes_)
        texts.push_back(ToHostText(box->text()));
    if (sink_)
        sink_(Command::DialogOK("TDCornerProp", std::move(texts)));
}

void TDCornerProp::CenterOverMainWindow() {
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main)
        return;
    const QRect frame = main->frameGeometry();
    const QSize own = frameGeometry().size();
    move(frame.left() + (frame.width() - own.width()) / 2,
         frame.top() + (frame.height() - own.height()) / 2);
}

bool TDCornerProp::event(QEvent* event) {
    const bool activated = event->type() == QEvent::WindowActivate;
    const bool handled = QDialog::event(event);
    if (activated && pendingBox_ >= 0) {
        const int box = pendingBox_;
        SelectBox(box);
        pendingBox_ = -1;
    }
    return handled;
}

bool TDCornerProp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            // Deferred: a mouse click that gives the focus would otherwise
            // place the cursor and drop the selection straight away.
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace td
