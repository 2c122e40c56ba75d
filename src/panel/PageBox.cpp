#include "panel/PageBox.h"

#include <QMouseEvent>

#include "ui/PanelLook.h"

namespace qv {

PageBox::PageBox(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kPanelColour);
    setPalette(colours);
}

void PageBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void PageBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked(index_);
    }
}

}  // namespace qv
