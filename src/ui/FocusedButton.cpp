#include "ui/FocusedButton.h"

#include <QKeyEvent>
#include <QPushButton>

namespace qv {

bool EnterPressesFocusedButton(QWidget& dialog, const QKeyEvent& event) {
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter) {
        return false;
    }
    if (auto* focused = qobject_cast<QPushButton*>(dialog.focusWidget())) {
        focused->click();
    }
    return true;
}

}  // namespace qv
