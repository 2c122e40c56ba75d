#include "panel/PageBox.h"

#include <QAbstractButton>
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

// A collapsed page shows only its title: a focus frame on a button under it would be a focus
// nobody can see, and Space there would open a slot nobody can see either.
void PageBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QAbstractButton* button : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        const bool shown = rect().contains(button->geometry());
        button->setFocusPolicy(shown ? Qt::StrongFocus : Qt::NoFocus);
        if (!shown && button == window()->focusWidget()) {
            focusNextChild();
        }
    }
}

}  // namespace qv
