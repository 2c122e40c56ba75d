#pragma once

#include <cstdint>
#include <vector>

#include "keys/KeyEditor.h"

namespace qv {

// The display has this many labels, made once; a held step takes two, its key and a "+".
inline constexpr int kStepLabels = 301;

// Widths in twips of what the step display shows.
class StepMeasure {
public:
    virtual ~StepMeasure() = default;
    // A step's caption in the window's font: what the wrap test measures.
    virtual float CaptionWidth(int32_t code) = 0;
    // The label showing a step's caption, sized to fit it: what the next label moves by.
    virtual int LabelWidth(int32_t code) = 0;
    virtual float PlusWidth() = 0;
    virtual int PlusLabelWidth() = 0;
};

// One label of the display: a step's key, or the "+" after a held step.
struct PlacedLabel {
    int32_t code = 0;
    bool plus = false;
    int16_t left = 0;
    int16_t top = 0;
};

// Lays out every shown step of `editor` from the first, in up to five rows, into `labels`
// (in label order; the vector is reused, so a pass allocates nothing once it has grown).
// From the first step that does not fit on, every step is refused with a beep.
void LayOutSteps(KeyEditor& editor, StepMeasure& measure, std::vector<PlacedLabel>& labels);

}  // namespace qv
