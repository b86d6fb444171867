#pragma once
// The About box: the program's name, version and icon; any click closes it.

#include <QDialog>

namespace td {

class TDAbout : public QDialog {
    Q_OBJECT
  public:
    explicit TDAbout(QWidget* parent = nullptr);

    // Centres the box over the main window and runs it modally.
    void ShowAbout();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    bool wasActive_ = false;
};

// "Version 1.0.0": the line the About box shows.
QString AboutVersionLine();

} // namespace td
