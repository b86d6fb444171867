#include "NumberBox.h"

#include <QKeyEvent>

namespace td {

NumberBox::NumberBox(int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    // The wheel steps the value without taking the keys from the drawing area.
    setFocusPolicy(Qt::StrongFocus);
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    // A minus sign could never start a valid value here: both keys step.
    if (event->text() == QLatin1String("+") || event->text() == QLatin1String("-")) {
        stepBy(event->text() == QLatin1String("+") ? 1 : -1);
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onEnter) {
        QSpinBox::keyPressEvent(event);
        onEnter();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

} // namespace td
