#include "ui/WindowPlacement.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace qv {

namespace {

QMargins FrameOf(const QWidget& window) {
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

int Centred(int start, int length, int size, int lowest, int highest) {
    return std::max(lowest, std::min(start + (length - size) / 2, highest - size));
}

}  // namespace

void CentreWindow(QWidget& window, const QRect& area, const QWidget& reference) {
    QMargins frame = FrameOf(window);
    if (frame.isNull()) {
        frame = FrameOf(reference);
    }
    const QSize size = window.size().grownBy(frame);
    const QRect within = reference.screen()->availableGeometry();
    // A top-level window's position is that of its frame.
    window.move(Centred(area.x(), area.width(), size.width(), within.left(), within.right() + 1),
                Centred(area.y(), area.height(), size.height(), within.top(), within.bottom() + 1));
}

}  // namespace qv
