#include "KeyMap.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QWidget>

#include <string>

namespace td {

namespace {

// Virtual-key codes that have no letter, digit or function-key pattern.
constexpr int VkBack = 8;
constexpr int VkTab = 9;
constexpr int VkReturn = 13;
constexpr int VkShift = 16;
constexpr int VkControl = 17;
constexpr int VkMenu = 18;
constexpr int VkPause = 19;
constexpr int VkCapital = 20;
constexpr int VkEscape = 27;
constexpr int VkSpace = 32;
constexpr int VkPrior = 33;
constexpr int VkNext = 34;
constexpr int VkEnd = 35;
constexpr int VkHome = 36;
constexpr int VkLeft = 37;
constexpr int VkUp = 38;
constexpr int VkRight = 39;
constexpr int VkDown = 40;
constexpr int VkInsert = 45;
constexpr int VkDelete = 46;
constexpr int VkNumpad0 = 96;
constexpr int VkMultiply = 106;
constexpr int VkAdd = 107;
constexpr int VkSubtract = 109;
constexpr int VkDecimal = 110;
constexpr int VkDivide = 111;
constexpr int VkF1 = 112;
constexpr int VkNumLock = 144;
constexpr int VkScroll = 145;
constexpr int VkOemPlus = 187;
constexpr int VkOemComma = 188;
constexpr int VkOemMinus = 189;
constexpr int VkOemPeriod = 190;

} // namespace

int ModifierMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask += 1;
    if (modifiers & Qt::ControlModifier)
        mask += 2;
    if (modifiers & Qt::AltModifier)
        mask += 4;
    return mask;
}

int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers & Qt::KeypadModifier;

    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypad ? VkNumpad0 + (qtKey - Qt::Key_0) : '0' + (qtKey - Qt::Key_0);
    // The core knows F1..F24 as one consecutive run.
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VkF1 + (qtKey - Qt::Key_F1);

    switch (qtKey) {
    case Qt::Key_Plus:
        return keypad ? VkAdd : VkOemPlus;
    // "=" shares its key with "+" on the main keyboard.
    case Qt::Key_Equal:
        return VkOemPlus;
    case Qt::Key_Minus:
        return keypad ? VkSubtract : VkOemMinus;
    case Qt::Key_Underscore:
        return VkOemMinus;
    // Shifted digits of the main keyboard still name the digit key.
    case Qt::Key_Exclam:
        return '1';
    case Qt::Key_At:
        return '2';
    case Qt::Key_NumberSign:
        return '3';
    case Qt::Key_Dollar:
        return '4';
    case Qt::Key_Percent:
        return '5';
    case Qt::Key_AsciiCircum:
        return '6';
    case Qt::Key_Ampersand:
        return '7';
    case Qt::Key_Asterisk:
        return keypad ? VkMultiply : '8';
    case Qt::Key_ParenLeft:
        return '9';
    case Qt::Key_ParenRight:
        return '0';
    case Qt::Key_Slash:
        return keypad ? VkDivide : 0;
    case Qt::Key_Period:
        return keypad ? VkDecimal : VkOemPeriod;
    case Qt::Key_Comma:
        return VkOemComma;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VkReturn;
    case Qt::Key_Space:
        return VkSpace;
    case Qt::Key_Left:
        return VkLeft;
    case Qt::Key_Up:
        return VkUp;
    case Qt::Key_Right:
        return VkRight;
    case Qt::Key_Down:
        return VkDown;
    case Qt::Key_Insert:
        return VkInsert;
    case Qt::Key_Delete:
        return VkDelete;
    case Qt::Key_Home:
        return VkHome;
    case Qt::Key_End:
        return VkEnd;
    case Qt::Key_PageUp:
        return VkPrior;
    case Qt::Key_PageDown:
        return VkNext;
    case Qt::Key_Backspace:
        return VkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VkTab;
    case Qt::Key_Escape:
        return VkEscape;
    case Qt::Key_Shift:
        return VkShift;
    case Qt::Key_Control:
        return VkControl;
    case Qt::Key_Alt:
        return VkMenu;
    case Qt::Key_Pause:
        return VkPause;
    case Qt::Key_CapsLock:
        return VkCapital;
    case Qt::Key_NumLock:
        return VkNumLock;
    case Qt::Key_ScrollLock:
        return VkScroll;
    default:
        return 0;
    }
}

int LetterKeyAt(quint32 nativeScanCode) {
    // The three letter rows of the standard keyboard, by keycode.
    struct Row {
        quint32 first;
        const char* letters;
    };
    static constexpr Row rows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
    for (const Row& row : rows) {
        const quint32 count = static_cast<quint32>(std::char_traits<char>::length(row.letters));
        if (nativeScanCode >= row.first && nativeScanCode < row.first + count)
            return row.letters[nativeScanCode - row.first];
    }
    return 0;
}

int LatinLetterFor(const QKeyEvent& event) {
    // Only characters beyond ASCII; Qt's own key codes (arrows, media
    // keys, ...) lie far above the characters.
    const int key = event.key();
    if (key < 0xA0 || key >= Qt::Key_Escape)
        return 0;
    const QString text = event.text();
    const QChar typed = text.size() == 1 ? text.at(0) : QChar(static_cast<char16_t>(key));
    if (!typed.isLetter())
        return 0;
    return LetterKeyAt(event.nativeScanCode());
}

int KeyEventCode(const QKeyEvent& event) {
    const int code = VirtualKeyCode(event.key(), event.modifiers());
    return code != 0 ? code : LatinLetterFor(event);
}

bool RunLatinShortcut(QWidget* window, const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int letter = LatinLetterFor(event);
    if (!window || letter == 0 || !(mods & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const QKeySequence keys(QKeyCombination(mods, static_cast<Qt::Key>(letter)));
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->isEnabled() && action->shortcuts().contains(keys)) {
            action->trigger();
            return true;
        }
    }
    if (mods != Qt::AltModifier)
        return false;
    // A menu opens only from a menu bar on the screen.
    QMenuBar* bar = window->findChild<QMenuBar*>();
    if (!bar || !bar->isVisible())
        return false;
    const QString mnemonic = QStringLiteral("&") + QChar(letter);
    for (QAction* menu : bar->actions()) {
        if (menu->isVisible() && menu->isEnabled() &&
            menu->text().contains(mnemonic, Qt::CaseInsensitive)) {
            bar->setActiveAction(menu);
            return true;
        }
    }
    return false;
}

namespace {

class WindowKeyRouter : public QObject {
  public:
    WindowKeyRouter(QWidget* window, std::function<void(const Command&)> sink)
        : QObject(window), window_(window), sink_(std::move(sink)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool press = event->type() == QEvent::KeyPress;
        if (!press && event->type() != QEvent::KeyRelease)
            return false;
        // Only the first delivery, to the focused control of this window.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget == window_ || widget != QApplication::focusWidget() ||
            widget->window() != window_)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (qobject_cast<QLineEdit*>(widget)) {
            // Enter ends the typing; it must not go on to the window and
            // add a space there as well.
            if (press && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
                static_cast<QObject*>(widget)->event(event);
                key->accept();
                return true;
            }
            return false;
        }
        // Under a layout of another script Qt finds no menu shortcut for
        // Ctrl or Alt with a letter; they would reach the bindings instead.
        if (press && RunLatinShortcut(window_, *key)) {
            key->accept();
            return true;
        }
        const int code = KeyEventCode(*key);
        if (code == 0 || (!press && key->isAutoRepeat()))
            return false;
        sink_(Command::Key(press ? CommandKind::KeyDown : CommandKind::KeyUp, code,
                           ModifierMask(key->modifiers())));
        // An accepted key goes no further up the widget chain.
        key->accept();
        return true;
    }

  private:
    QWidget* window_;
    std::function<void(const Command&)> sink_;
};

} // namespace

void RouteWindowKeys(QWidget* window, std::function<void(const Command&)> sink) {
    qApp->installEventFilter(new WindowKeyRouter(window, std::move(sink)));
}

} // namespace td
