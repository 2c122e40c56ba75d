#pragma once

#include <cstdint>
#include <optional>

#include "panel/PageAnimation.h"

class QWidget;

namespace qv {

// One shift page as the live view sees it. Its Top and Height are kept in twips exactly as last
// set and reported back unchanged; the widget sits at the nearest pixel (15 twips each), and is
// touched only when that pixel or the colour actually changes.
class ShiftPage final {
public:
    explicit ShiftPage(QWidget* page);

    PagePlace Geometry() const { return box_; }
    void SetTop(int16_t twips);
    void SetHeight(int16_t twips);
    void SetBackColor(uint32_t value);

private:
    void Place();

    QWidget* page_;
    PagePlace box_;
    std::optional<uint32_t> backColor_;
};

}  // namespace qv
