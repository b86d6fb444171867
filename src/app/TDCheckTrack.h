#pragma once
// The modeless window of "Check Track": the problems of the track, one a
// line. Double-clicking a problem that names a space asks the editor to make
// it the current space.

#include <QDialog>

#include <functional>
#include <vector>

#include "model/TrackCheck.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace td {

class TDCheckTrack : public QDialog {
    Q_OBJECT
  public:
    explicit TDCheckTrack(QWidget* parent);

    void SetProblems(const std::vector<TrackProblem>& problems);

    std::function<void(int lane, int space)> OnGoTo;
    std::function<void()> OnCheckAgain;

    QListWidget* List() const { return list_; }

  private:
    void ItemChosen(QListWidgetItem* item);

    QLabel* summary_ = nullptr;
    QListWidget* list_ = nullptr;
};

} // namespace td
