#include "ui/PictureBox.h"

#include <QPainter>

namespace qv {

PictureBox::PictureBox(double scaleWidth, double scaleHeight, QWidget* parent)
    : QFrame(parent),
      scaleWidth_(scaleWidth),
      scaleHeight_(scaleHeight),
      fore_(ColourFromValue(kButtonText, palette()).rgb()),
      fill_(fore_),
      back_(ColourFromValue(kButtonFace, palette()).rgb()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetForeColor(uint32_t value) {
    fore_ = ColourFromValue(value, palette()).rgb();
}

void PictureBox::SetFillColor(uint32_t value) {
    fill_ = ColourFromValue(value, palette()).rgb();
}

void PictureBox::SetBackColor(uint32_t value) {
    const QRgb back = ColourFromValue(value, palette()).rgb();
    if (back != back_) {
        back_ = back;
        imageStale_ = true;
        ScheduleSettle();
    }
}

void PictureBox::SetDrawWidth(int pixels) {
    drawWidth_ = pixels;
}

void PictureBox::Cls() {
    frame_.clear();
    ScheduleSettle();
}

void PictureBox::Line(double x1, double y1, double x2, double y2) {
    Add({Shape::Line, x1, y1, x2, y2, fore_, fill_, drawWidth_});
}

void PictureBox::Box(double x1, double y1, double x2, double y2) {
    Add({Shape::Box, x1, y1, x2, y2, fore_, fill_, drawWidth_});
}

void PictureBox::Circle(double x, double y, double radius) {
    Add({Shape::Circle, x, y, radius, 0, fore_, fill_, drawWidth_});
}

const QImage& PictureBox::Image() {
    CatchUp();
    return image_;
}

void PictureBox::paintEvent(QPaintEvent*) {
    CatchUp();
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
    drawFrame(&painter);
}

void PictureBox::Add(const Stroke& stroke) {
    frame_.push_back(stroke);
    ScheduleSettle();
}

// Settling waits for the event loop, so a whole sequence of commands is compared at once.
void PictureBox::ScheduleSettle() {
    if (settlePending_) {
        return;
    }
    settlePending_ = true;
    QMetaObject::invokeMethod(this, &PictureBox::Settle, Qt::QueuedConnection);
}

void PictureBox::Settle() {
    settlePending_ = false;
    CatchUp();
}

// Whoever renders a new image also asks for the whole box to be painted: a partial paint or a
// read of the image may come first, and would otherwise leave the rest of the box showing the
// old one.
void PictureBox::CatchUp() {
    if (!imageStale_ && frame_ == shown_ && image_.size() == contentsRect().size()) {
        return;
    }
    shown_ = frame_;
    imageStale_ = false;
    Render();
    update();
}

void PictureBox::Render() {
    const QSize area = contentsRect().size();
    if (image_.size() != area) {
        image_ = QImage(area, QImage::Format_RGB32);
    }
    if (image_.isNull()) {
        return;
    }
    image_.fill(back_);
    const double sx = area.width() / scaleWidth_;
    const double sy = area.height() / scaleHeight_;
    QPainter painter(&image_);
    for (const Stroke& s : shown_) {
        QPen pen(QColor::fromRgb(s.fore), s.width);
        // Round ends on lines two pixels wide or less are invisible and cost most of the time.
        pen.setCapStyle(s.width > 2 ? Qt::RoundCap : Qt::SquareCap);
        pen.setJoinStyle(s.shape == Shape::Line ? Qt::RoundJoin : Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(QColor::fromRgb(s.fill));
        switch (s.shape) {
            case Shape::Line:
                painter.drawLine(QPointF(s.x1 * sx, s.y1 * sy), QPointF(s.x2 * sx, s.y2 * sy));
                break;
            case Shape::Box:
                painter.drawRect(
                    QRectF(QPointF(s.x1 * sx, s.y1 * sy), QPointF(s.x2 * sx, s.y2 * sy))
                        .normalized());
                break;
            case Shape::Circle:
                painter.drawEllipse(QPointF(s.x1 * sx, s.y1 * sy), s.x2 * sx, s.x2 * sx);
                break;
        }
    }
}

}  // namespace qv
