#pragma once
// A status-bar panel that asks for the width of its whole text and, when the
// bar cannot give it that much, ends the text with "…" rather than cutting
// it: a number cut short would read as another number.

#include <QLabel>

namespace td {

class StatusPanel : public QLabel {
  public:
    // `typical` is a text of the width the panel keeps at the least.
    StatusPanel(const QString& text, const QString& typical, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // A name panel asks for at most this width, so that a long name cannot
    // squeeze the numbers beside it (0: no limit).
    void SetWidestHint(int pixels) { widestHint_ = pixels; }
    // The text as it shows in the panel's present width.
    QString ShownText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int typicalWidth_;
    int widestHint_ = 0;
};

} // namespace td
