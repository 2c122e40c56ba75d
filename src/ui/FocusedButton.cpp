#include "ui/FocusedButton.h"

#include <QKeyEvent>
#include <QPushButton>

namespace qv {

bool IsEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool EnterPressesFocusedButton(QWidget& dialog, const QKeyEvent& event) {
    if (!IsEnter(event)) {
        return false;
    }
    if (auto* focused = qobject_cast<QPushButton*>(dialog.focusWidget())) {
        focused->click();
    }
    return true;
}

}  // namespace qv
