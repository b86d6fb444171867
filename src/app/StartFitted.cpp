#include "StartFitted.h"

#include <QEvent>
#include <QObject>
#include <QTimer>

#include "DrawArea.h"
#include "TD.h"

namespace td {

namespace {

void Fit(TD& window) {
    window.Dispatch(Command::Menu("MnuFitTrack"));
}

// Fits again on each size the drawing area takes while the window settles
// after its first showing: the window manager maximises it, the toolbars
// and the status bar take their room, all in the first moments.
class FitWhileSettling : public QObject {
  public:
    FitWhileSettling(TD& window, DrawArea& area) : QObject(&window), window_(window), area_(area) {
        area.installEventFilter(this);
        if (area.isVisible())
            StartSettling();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !settling_)
            StartSettling();
        if (settling_ && (event->type() == QEvent::Show || event->type() == QEvent::Resize))
            // After the area has passed its new size on to the editor.
            QTimer::singleShot(0, this, [this] { Fit(window_); });
        return false;
    }

  private:
    void StartSettling() {
        settling_ = true;
        QTimer::singleShot(SettleMs, this, [this] {
            area_.removeEventFilter(this);
            deleteLater();
        });
    }

    static constexpr int SettleMs = 500;
    TD& window_;
    DrawArea& area_;
    bool settling_ = false;
};

} // namespace

void StartFitted(TD& window) {
    Fit(window);
    if (DrawArea* area = window.drawArea())
        new FitWhileSettling(window, *area);
}

} // namespace td
