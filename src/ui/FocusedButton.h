#pragma once

class QKeyEvent;
class QWidget;

namespace qv {

// Return or the keypad's Enter.
bool IsEnter(const QKeyEvent& event);

// For dialogs with no default button, where Enter must not fall to a button of Qt's choosing:
// Enter presses the push button that has the focus, and elsewhere does nothing. True when the
// event was Enter.
bool EnterPressesFocusedButton(QWidget& dialog, const QKeyEvent& event);

}  // namespace qv
