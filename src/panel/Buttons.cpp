#include "panel/Buttons.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace qv {

SlotButton::SlotButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void SlotButton::paintEvent(QPaintEvent*) {
    PaintWrapped(*this);
}

void PaintWrapped(QPushButton& button) {
    QStylePainter painter(&button);
    QStyleOptionButton option;
    option.initFrom(&button);
    option.features =
        button.isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
    if (button.isDown() || button.isChecked()) {
        option.state |= QStyle::State_Sunken;
    } else {
        option.state |= QStyle::State_Raised;
    }
    if (button.isChecked()) {
        option.state |= QStyle::State_On;
    }
    painter.drawControl(QStyle::CE_PushButton, option);
    // The style shades the face; the preview's colours must show as they are, so the face
    // inside the bevel is filled with the exact colour.
    painter.fillRect(button.rect().adjusted(2, 2, -2, -2),
                     button.palette().color(QPalette::Button));
    painter.drawItemText(button.rect().adjusted(2, 1, -2, -1), Qt::AlignCenter | Qt::TextWordWrap,
                         button.palette(), button.isEnabled(), button.text(), QPalette::ButtonText);
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
