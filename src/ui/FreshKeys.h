#pragma once

class QKeyEvent;
class QWidget;

namespace qv {

// Return or the keypad's Enter.
bool IsEnter(const QKeyEvent& event);

// What Enter does in a window besides acting only on a fresh press.
enum class EnterKey {
    // What Qt makes of it: the default button, or the focused control's own use of it.
    AsQtTakesIt,
    // For dialogs with no default button, where Enter must not fall to a button of Qt's choosing:
    // it presses the push button that has the focus, and elsewhere does nothing.
    PressesFocusedButton,
};

// From now on, for as long as `window` lives, Enter and Escape act in it only on a fresh press.
// The desktop repeats a key held down, so without this a key held on would act again and again:
// the Enter that chose a command would go on to press a button of the window that command opened.
void TakeOnlyFreshEnterAndEscape(QWidget& window, EnterKey enter = EnterKey::AsQtTakesIt);

}  // namespace qv
