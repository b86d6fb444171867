#pragma once
// The splash window shown while the main window opens. It closes itself on
// the first of: four seconds passing, a click, or losing the focus; the main
// window listens to Finished to show itself.

#include <QWidget>

class QTimer;

namespace td {

class TDSplash : public QWidget {
    Q_OBJECT
  public:
    explicit TDSplash(QWidget* parent = nullptr);

    // Centres the splash on the screen, shows it and starts the timer.
    void ShowSplash();

    // Closes the splash at once (a second call does nothing).
    void Dismiss();

    static constexpr int SplashInterval = 4000; // ms

  signals:
    // Emitted once, when the splash closes for whichever reason.
    void Finished();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QTimer* timer_;
    bool wasActive_ = false;
    bool finished_ = false;
};

// The editor's version as major.minor.revision.
QString VersionText();

} // namespace td
