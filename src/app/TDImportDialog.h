#pragma once
// The small dialog of Import Circuit: the number of racing lanes, the length
// of the longest lane in spaces and whether the line is driven the other way
// round.

#include <QDialog>

#include "edit/Host.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace td {

class TDImportDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TDImportDialog(const CircuitImportChoice& preset, QWidget* parent = nullptr);
    CircuitImportChoice Choice() const;

  private:
    QComboBox* lanes_;
    QSpinBox* length_;
    QCheckBox* reverse_;
};

} // namespace td
