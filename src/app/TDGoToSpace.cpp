// The "Go to Space" dialog: a lane and a space number, counted as the lane
// and space panels of the status bar count them.

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "TD.h"

namespace td {

std::optional<std::pair<int, int>> TD::AskSpace(int lane, int space) {
    ++modalRuns_;
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("GoToSpaceDlg"));
    dialog.setWindowTitle(QStringLiteral("Go to Space"));
    auto* form = new QFormLayout(&dialog);
    auto* laneBox = new QSpinBox(&dialog);
    laneBox->setObjectName(QStringLiteral("GoToLaneTxt"));
    laneBox->setRange(0, 31);
    laneBox->setValue(lane);
    auto* spaceBox = new QSpinBox(&dialog);
    spaceBox->setObjectName(QStringLiteral("GoToSpaceTxt"));
    spaceBox->setRange(1, MaxLaneSpaces);
    spaceBox->setValue(space);
    form->addRow(QStringLiteral("&Lane"), laneBox);
    form->addRow(QStringLiteral("&Space"), spaceBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    spaceBox->selectAll();
    spaceBox->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return std::pair(laneBox->value(), spaceBox->value());
}

} // namespace td
