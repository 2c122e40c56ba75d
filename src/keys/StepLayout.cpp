#include "keys/StepLayout.h"

#include "model/Axes.h"

namespace qv {

namespace {

// Twips in Frame1: the display covers Image1, rows 300 apart from the first at 750.
constexpr int16_t kFirstLeft = 1500;
constexpr int16_t kFirstTop = 750;
constexpr float kWrapBeyond = 9700.0f;
constexpr int16_t kRowStep = 300;
constexpr int16_t kLastRowTop = 1950;
constexpr int kLabelGap = 30;
// A "+" starts 10 twips after its key and slides 20 under the next key.
constexpr int kPlusOverlap = 20;

}  // namespace

void LayOutSteps(KeyEditor& editor, StepMeasure& measure, std::vector<PlacedLabel>& labels) {
    labels.clear();
    int16_t LayoutX = kFirstLeft;
    int16_t LayoutY = kFirstTop;
    const int shown = editor.ShownSteps();
    bool full = false;
    for (int i = 1; i <= shown; ++i) {
        const auto step = static_cast<std::size_t>(i);
        const int32_t code = editor.KeyBuffer[step];
        const bool held = editor.ComboBuffer[step];
        const int p = held ? RoundToInt16(measure.PlusWidth() + kPlusOverlap) : 0;
        if (static_cast<float>(LayoutX) + measure.CaptionWidth(code) + static_cast<float>(p) >
            kWrapBeyond) {
            LayoutX = kFirstLeft;
            LayoutY = static_cast<int16_t>(LayoutY + kRowStep);
        }
        const std::size_t needed = held ? 2 : 1;
        full = full || LayoutY > kLastRowTop || i > editor.LastStep() ||
               labels.size() + needed > kStepLabels;
        if (full) {
            editor.RefuseLastStep();
            continue;
        }
        labels.push_back({code, false, LayoutX, LayoutY});
        LayoutX = RoundToInt16(LayoutX + measure.LabelWidth(code) + kLabelGap);
        if (held) {
            LayoutX = static_cast<int16_t>(LayoutX - kPlusOverlap);
            labels.push_back({0, true, LayoutX, LayoutY});
            LayoutX = RoundToInt16(LayoutX + measure.PlusLabelWidth() - kPlusOverlap);
        }
    }
}

}  // namespace qv
