#pragma once

#include <QFrame>
#include <QImage>
#include <cstdint>
#include <vector>

#include "ui/PanelColour.h"

namespace qv {

// A drawing surface with its own user scale (origin top left, y down, over the area inside its
// frame) that keeps its drawing until it is cleared: the drawing lives in a backing image, so
// hiding, covering or resizing the box never loses it. Colours are panel colour values; the line
// width is in pixels.
//
// The drawing commands since the last Cls are remembered, and the image is rendered again only
// when they differ from the ones it shows, so a box redrawn every tick with the same picture
// costs a comparison, not a repaint.
class PictureBox final : public QFrame {
    Q_OBJECT

public:
    enum class Shape : uint8_t { Line, Box, Circle };
    // One drawing command with the colours and width in force; a circle keeps its radius in x2.
    struct Stroke {
        Shape shape = Shape::Line;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        QRgb fore = 0;
        QRgb fill = 0;
        int width = 1;
        bool operator==(const Stroke&) const = default;
    };

    PictureBox(double scaleWidth, double scaleHeight, QWidget* parent = nullptr);

    void SetForeColor(uint32_t value);
    void SetFillColor(uint32_t value);
    void SetBackColor(uint32_t value);
    void SetDrawWidth(int pixels);

    void Cls();
    void Line(double x1, double y1, double x2, double y2);
    // Outlined in the fore colour with the width in force, filled with the fill colour.
    void Box(double x1, double y1, double x2, double y2);
    // Radius in units of the horizontal scale; outlined and filled like a box.
    void Circle(double x, double y, double radius);

    // The commands drawn since the last Cls, and the drawing as it stands.
    const std::vector<Stroke>& Strokes() const { return frame_; }
    const QImage& Image();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Add(const Stroke& stroke);
    void ScheduleSettle();
    void Settle();
    // Renders the image if it does not show the commands at its size.
    void CatchUp();
    void Render();

    double scaleWidth_;
    double scaleHeight_;
    QRgb fore_;
    QRgb fill_;
    QRgb back_;
    int drawWidth_ = 1;

    std::vector<Stroke> frame_;
    std::vector<Stroke> shown_;
    QImage image_;
    bool imageStale_ = true;
    bool settlePending_ = false;
};

}  // namespace qv
