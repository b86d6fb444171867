#pragma once
// A whole-number box of the property panel: the wheel over it, the arrow
// keys and + and - in it step the value; Enter hands the keys back.

#include <QSpinBox>

#include <functional>

namespace td {

class NumberBox : public QSpinBox {
  public:
    NumberBox(int minimum, int maximum, QWidget* parent);
    // Called when Enter or Return ends the typing.
    std::function<void()> onEnter;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace td
