#pragma once

#include <QScrollBar>

namespace qv {

// A horizontal scroll bar whose small and large change are both 1. Its value commits when a
// drag ends (valueChanged is the Change event, sliderMoved the Scroll event); while the thumb
// is dragged, sliderPosition() is where it stands, as the settings that the engine reads are.
class ScrollBar final : public QScrollBar {
public:
    ScrollBar(int minimum, int maximum, int value, QWidget* parent)
        : QScrollBar(Qt::Horizontal, parent) {
        setRange(minimum, maximum);
        setValue(value);
        setSingleStep(1);
        setPageStep(1);
        setTracking(false);
    }
};

}  // namespace qv
