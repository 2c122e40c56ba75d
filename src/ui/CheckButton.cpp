#include "ui/CheckButton.h"

#include "ui/Buttons.h"

namespace qv {

CheckButton::CheckButton(const QString& caption, int value, QWidget* parent)
    : QPushButton(caption, parent), value_(value) {
    setCheckable(true);
    setChecked(value != 0);
}

void CheckButton::SetValue(int value) {
    if (value == value_) {
        return;
    }
    value_ = value;
    setChecked(value != 0);
    emit valueChanged(value);
}

void CheckButton::nextCheckState() {
    SetValue(value_ == 1 ? 0 : 1);
}

void CheckButton::paintEvent(QPaintEvent*) {
    PaintWrapped(*this, value_ == 2 ? ButtonStand::Grey : StandOf(*this));
}

}  // namespace qv
