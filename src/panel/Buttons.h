#pragma once

#include <QPushButton>

namespace qv {

// A slot button: a push button whose caption, the slot's function label, wraps onto as many
// lines as the button has room for.
class SlotButton final : public QPushButton {
    Q_OBJECT

public:
    SlotButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Paints a push button with its caption word-wrapped and centred.
void PaintWrapped(QPushButton& button);

// Sets a button's face colour.
void SetFace(QWidget* button, const QColor& colour);

}  // namespace qv
