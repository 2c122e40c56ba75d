#pragma once

#include <QPushButton>

#include "ui/AppLook.h"

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

// Paints a push button standing as `stand`, with its caption word-wrapped and centred; the face
// keeps its exact colour, since the live view shows states in it.
void PaintWrapped(QPushButton& button, ButtonStand stand);

// Pressed while held down or checked, raised otherwise.
ButtonStand StandOf(const QPushButton& button);

// A face that already has the colour is left alone: setting it every tick costs no repaint.
void SetFace(QWidget* button, const QColor& colour);

}  // namespace qv
