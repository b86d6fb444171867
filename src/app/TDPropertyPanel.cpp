// The property panel beside the drawing area: the space controls and the
// polygon controls of the interface table, each under its label.

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "DrawArea.h"
#include "HostText.h"
#include "NumberBox.h"
#include "TD.h"

namespace td {

namespace {

QString Q(const std::string& s) {
    return QString::fromLatin1(s.c_str());
}

// Selects the whole text whenever the box gets the focus, so that typing
// replaces the value.
class SelectAllOnFocus : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            if (auto* edit = qobject_cast<QLineEdit*>(watched))
                // After the click that gave the focus has placed the cursor.
                QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        return false;
    }
};

} // namespace

QWidget* TD::BuildPropertyPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PropertyPanel"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    auto* selectAll = new SelectAllOnFocus(panel);

    for (const ControlDef& def : PropertyControls()) {
        QWidget* widget = nullptr;
        if (def.kind == ControlKind::Label) {
            widget = new QLabel(Q(def.caption), panel);
        } else if (def.kind == ControlKind::Combo) {
            auto* combo = new QComboBox(panel);
            for (size_t i = 0; i < def.entries.size(); ++i)
                combo->addItem(Q(def.entries[i]),
                               i < def.itemData.size() ? QVariant(def.itemData[i]) : QVariant());
            combo->setMaxVisibleItems(30);
            const std::string name = def.name;
            // Only the author's choices are commands; the editor's own
            // selections are set silently.
            connect(combo, &QComboBox::activated, this, [this, name](int index) {
                Dispatch(Command::Combo(name, index));
                // The editor's keys belong to the drawing area: a list that
                // kept the focus would take letters and arrows as choices.
                drawArea_->setFocus(Qt::OtherFocusReason);
            });
            widget = combo;
        } else if (def.kind == ControlKind::Number) {
            auto* box = new NumberBox(def.minimum, def.maximum, panel);
            const std::string name = def.name;
            connect(box, &QSpinBox::valueChanged, this, [this, name](int value) {
                Dispatch(Command::Text(name, std::to_string(value)));
            });
            box->onEnter = [this] { drawArea_->setFocus(Qt::OtherFocusReason); };
            widget = box;
        } else {
            auto* edit = new QLineEdit(panel);
            edit->installEventFilter(selectAll);
            const std::string name = def.name;
            if (def.applyOnFinish) {
                // Enter or leaving the box; the editor fills the box again,
                // so an unchanged text changes nothing.
                connect(edit, &QLineEdit::editingFinished, this, [this, name, edit] {
                    Dispatch(Command::Text(name, ToHostText(edit->text())));
                });
            } else {
                connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
                    Dispatch(Command::Text(name, ToHostText(text)));
                });
            }
            // Enter ends the typing and hands the keys back to the drawing area.
            connect(edit, &QLineEdit::returnPressed, this,
                    [this] { drawArea_->setFocus(Qt::OtherFocusReason); });
            widget = edit;
        }
        widget->setObjectName(Q(def.name));
        widget->setToolTip(Q(def.tooltip));
        controls_[def.name] = widget;
    }

    // Each input under its label, in table order.
    for (const ControlDef& def : PropertyControls()) {
        if (def.kind == ControlKind::Label)
            continue;
        if (QWidget* label = Control(def.labelName)) {
            // The gap above a label hides with it.
            label->setContentsMargins(0, 6, 0, 0);
            layout->addWidget(label);
            label->setVisible(FindControl(def.labelName)->initiallyVisible);
        }
        QWidget* input = Control(def.name);
        layout->addWidget(input);
        input->setVisible(def.initiallyVisible);
    }
    layout->addStretch(1);
    panel->setFixedWidth(180);
    return panel;
}

QWidget* TD::Control(const std::string& name) const {
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

void TD::SetControlVisible(const std::string& name, bool visible) {
    if (QWidget* w = Control(name))
        w->setVisible(visible);
}

void TD::SetControlEnabled(const std::string& name, bool enabled) {
    if (QWidget* w = Control(name))
        w->setEnabled(enabled);
}

void TD::SetControlText(const std::string& name, const std::string& text) {
    QWidget* w = Control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const QSignalBlocker block(edit);
        edit->setText(FromHostText(text));
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(FromHostText(text));
    } else if (auto* box = qobject_cast<QSpinBox*>(w)) {
        bool ok = false;
        const int value = FromHostText(text).toInt(&ok);
        const QSignalBlocker block(box);
        if (ok)
            box->setValue(value);
    }
}

void TD::SetComboIndex(const std::string& name, int index) {
    auto* combo = qobject_cast<QComboBox*>(Control(name));
    if (!combo || index < -1 || index >= combo->count())
        return;
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(index);
}

} // namespace td
