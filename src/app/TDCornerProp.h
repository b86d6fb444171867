#pragma once
// The corner properties dialog: the name, required stops, longest and
// shortest path of the current corner. It is modeless, so the author can go
// on working in the main window while it is open. It never touches the
// track: OK hands the four texts to the editor as a command, and the editor
// closes the dialog or, when a text is refused, leaves it open on that box.

#include <QDialog>

#include <array>
#include <functional>
#include <string>

#include "edit/Command.h"

class QLineEdit;
class QPushButton;

namespace td {

class TDCornerProp : public QDialog {
    Q_OBJECT
  public:
    using CommandSink = std::function<void(const Command&)>;

    TDCornerProp(CommandSink sink, QWidget* parent = nullptr);

    // Fills the boxes, centres the dialog over the main window and shows it
    // without blocking it; the name box takes the focus with its text selected.
    void ShowCornerProp(const std::array<std::string, 4>& texts);
    // Focuses box `index` (0..3) and selects its whole text.
    void SelectBox(int index);

    QLineEdit* Box(int index) const;
    QPushButton* OKButton() const { return okButton_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void OKBtn_Click();
    void CenterOverMainWindow();

    CommandSink sink_;
    std::array<QLineEdit*, 4> boxes_{};
    QPushButton* okButton_ = nullptr;
    // The box to focus when the window next becomes active; -1 for none.
    int pendingBox_ = -1;
};

} // namespace td
