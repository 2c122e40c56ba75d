#include "ui/Buttons.h"

#include <QPainter>
#include <QStyle>

namespace qv {

SlotButton::SlotButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void SlotButton::paintEvent(QPaintEvent*) {
    PaintWrapped(*this, StandOf(*this));
}

void PaintWrapped(QPushButton& button, ButtonStand stand) {
    QPainter painter(&button);
    DrawButtonFace(painter, button.rect(), button.palette().color(QPalette::Button), stand,
                   button.isDefault());
    const int shift = stand == ButtonStand::Raised ? 0 : kPressedShift;
    button.style()->drawItemText(&painter,
                                 button.rect().adjusted(2, 1, -2, -1).translated(shift, shift),
                                 Qt::AlignCenter | Qt::TextWordWrap, button.palette(),
                                 button.isEnabled(), button.text(), QPalette::ButtonText);
    if (button.hasFocus()) {
        DrawFocusFrame(painter, button.rect(), button.palette());
    }
}

ButtonStand StandOf(const QPushButton& button) {
    return button.isDown() || button.isChecked() ? ButtonStand::Pressed : ButtonStand::Raised;
}

void SetFace(QWidget* button, const QColor& colour) {
    QPalette colours = button->palette();
    if (colours.color(QPalette::Button) == colour) {
        return;
    }
    colours.setColor(QPalette::Button, colour);
    button->setPalette(colours);
}

}  // namespace qv
