#include "TDCheckTrack.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace td {

namespace {
// Item data roles holding the space a problem names.
constexpr int LaneRole = Qt::UserRole;
constexpr int SpaceRole = Qt::UserRole + 1;
} // namespace

TDCheckTrack::TDCheckTrack(QWidget* parent) : QDialog(parent) {
    setObjectName("TDCheckTrack");
    setWindowTitle("Check Track");
    setModal(false);
    resize(560, 320);

    auto* outer = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName("CheckSummaryLbl");
    outer->addWidget(summary_);
    list_ = new QListWidget(this);
    list_->setObjectName("CheckProblemsLst");
    list_->setToolTip("Double-click a problem that names a space to make it the current space");
    outer->addWidget(list_, 1);

    auto* again = new QPushButton("Check &Again", this);
    again->setObjectName("CheckAgainBtn");
    auto* close = new QPushButton("Close", this);
    close->setObjectName("CloseBtn");
    close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(again);
    buttons->addWidget(close);
    outer->addLayout(buttons);

    connect(list_, &QListWidget::itemDoubleClicked, this, &TDCheckTrack::ItemChosen);
    connect(list_, &QListWidget::itemActivated, this, &TDCheckTrack::ItemChosen);
    connect(again, &QPushButton::clicked, this, [this] {
        if (OnCheckAgain)
            OnCheckAgain();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

void TDCheckTrack::SetProblems(const std::vector<TrackProblem>& problems) {
    list_->clear();
    if (problems.empty()) {
        summary_->setText("No problems found.");
        return;
    }
    summary_->setText(problems.size() == 1 ? QString("1 problem found:")
                                           : QString("%1 problems found:").arg(problems.size()));
    for (const TrackProblem& p : problems) {
        auto* item = new QListWidgetItem(QString::fromLatin1(p.Text.data(),
                                                             static_cast<qsizetype>(p.Text.size())),
                                         list_);
        item->setData(LaneRole, p.Lane);
        item->setData(SpaceRole, p.Space);
    }
    list_->setCurrentRow(0);
}

void TDCheckTrack::ItemChosen(QListWidgetItem* item) {
    if (!item || !OnGoTo)
        return;
    const int lane = item->data(LaneRole).toInt();
    const int space = item->data(SpaceRole).toInt();
    if (lane >= 0 && space >= 0)
        OnGoTo(lane, space);
}

} // namespace td
