#pragma once

#include <QScrollBar>

namespace qv {

// A horizontal scroll bar whose small and large change are both 1. Its value commits when a
// drag ends (valueChanged is the Change event, sliderMoved the Scroll event); while the thumb
// is dragged, Value() is where the thumb stands, as the settings that the engine reads are.
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

    int Value() const { return sliderPosition(); }
    void SetValue(int value) { setValue(value); }
};

}  // namespace qv
