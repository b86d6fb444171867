#include "TDImportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QSpinBox>

#include "HostText.h"
#include "TD.h"

namespace td {

TDImportDialog::TDImportDialog(const CircuitImportChoice& preset, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Import Circuit"));
    auto* form = new QFormLayout(this);
    lanes_ = new QComboBox(this);
    lanes_->setObjectName(QStringLiteral("ImportLanes"));
    lanes_->addItems({QStringLiteral("3"), QStringLiteral("4")});
    lanes_->setCurrentIndex(preset.Lanes == 4 ? 1 : 0);
    form->addRow(QStringLiteral("&Lanes:"), lanes_);
    length_ = new QSpinBox(this);
    length_->setObjectName(QStringLiteral("ImportLength"));
    length_->setRange(50, 999);
    length_->setValue(preset.Length > 0 ? preset.Length : 120);
    length_->setSuffix(QStringLiteral(" spaces"));
    form->addRow(QStringLiteral("Longest lane:"), length_);
    reverse_ = new QCheckBox(QStringLiteral("Drive the line the other way &round"), this);
    reverse_->setObjectName(QStringLiteral("ImportReverse"));
    reverse_->setChecked(preset.Reverse);
    form->addRow(reverse_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

CircuitImportChoice TDImportDialog::Choice() const {
    return {lanes_->currentIndex() == 1 ? 4 : 3, length_->value(), reverse_->isChecked()};
}

std::optional<std::string> TD::CircuitFileDialog(const std::string& startPath) {
    ++modalRuns_;
    QFileDialog dialog(this);
    dialog.setNameFilters({QStringLiteral("Circuit files (*.geojson *.json *.gpx *.kml)"),
                           QStringLiteral("All Files (*.*)")});
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString start = FromHostPath(startPath);
    dialog.setDirectory(QFileInfo(start).isDir() ? start : QFileInfo(start).absolutePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ToHostPath(dialog.selectedFiles().constFirst());
}

bool TD::CircuitImportDialog(CircuitImportChoice& choice) {
    ++modalRuns_;
    TDImportDialog dialog(choice, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice = dialog.Choice();
    return true;
}

} // namespace td
