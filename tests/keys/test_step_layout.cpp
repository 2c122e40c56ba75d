#include <gtest/gtest.h>

#include "keys/StepLayout.h"

namespace qv {
namespace {

// Every caption alike: `caption` twips wide in the window's font, `label` wide as a label.
class EvenMeasure final : public StepMeasure {
public:
    float CaptionWidth(int32_t) override { return caption; }
    int LabelWidth(int32_t) override { return label; }
    float PlusWidth() override { return plusCaption; }
    int PlusLabelWidth() override { return plusLabel; }

    float caption = 100;
    int label = 150;
    float plusCaption = 100;
    int plusLabel = 120;
};

// Lays the steps out whenever the editor moves the focus to OK, as the window does.
class LayingOutView final : public KeyEditorView {
public:
    void FocusOk() override {
        if (editor != nullptr) {
            LayOutSteps(*editor, measure, labels);
        }
    }
    void ArmTimer1() override {}
    void Beep() override { ++beeps; }

    KeyEditor* editor = nullptr;
    EvenMeasure measure;
    std::vector<PlacedLabel> labels;
    int beeps = 0;
};

class StepLayout : public ::testing::Test {
protected:
    StepLayout() { view.editor = &editor; }

    // Opens a sequence of `count` steps in (0, 0) and lays it out.
    void LoadSequence(int count, bool held = false) {
        model.KeyMap[0][0][0] = count;
        for (int k = 1; k <= count; ++k) {
            model.KeyMap[0][0][k] = 49;
            model.KeyMapCombo[0][0][k] = held;
        }
        editor.Load(model, 0, 0);
        view.FocusOk();
    }

    Model model;
    LayingOutView view;
    KeyEditor editor{view};
    EvenMeasure& m = view.measure;
};

TEST_F(StepLayout, LabelsAdvanceByTheirWidthAndHeldOnesSlideUnderTheNext) {
    m.label = 150;
    model.KeyMap[0][0][0] = 3;
    model.KeyMap[0][0][1] = 49;
    model.KeyMap[0][0][2] = 50;
    model.KeyMapCombo[0][0][2] = true;
    model.KeyMap[0][0][3] = 51;
    editor.Load(model, 0, 0);
    view.FocusOk();
    ASSERT_EQ(view.labels.size(), 4u);
    EXPECT_EQ(view.labels[0].left, 1500);
    EXPECT_EQ(view.labels[1].left, 1500 + 180);
    EXPECT_EQ(view.labels[2].plus, true);
    EXPECT_EQ(view.labels[2].left, 1680 + 180 - 20);
    EXPECT_EQ(view.labels[3].left, 1840 + 120 - 20);
    EXPECT_EQ(view.labels[3].code, 51);
}

// The wrap test adds the "+" width plus 20, rounded half to even, and wraps only beyond 9700.
TEST_F(StepLayout, WrapTestRoundsThePlusAndComparesInSinglePrecision) {
    m.label = 470;  // each step moves on by 500
    m.caption = 200;
    LoadSequence(17);
    // Step 17 starts at 9500: 9500 + 200 is not beyond 9700.
    EXPECT_EQ(view.labels[16].top, 750);

    // 9500 + 200.0004 is 9700 in single precision (though not in double): no wrap.
    m.caption = 200.0004f;
    LoadSequence(17);
    EXPECT_EQ(view.labels[16].top, 750);

    m.caption = 200.01f;
    LoadSequence(17);
    EXPECT_EQ(view.labels[16].top, 1050);
    EXPECT_EQ(view.labels[16].left, 1500);

    // Held: 9500 + 50 + round(129.5 + 20) = 9500 + 50 + 150 stays; 130.5 + 20 rounds to 150 too.
    m.caption = 50;
    m.plusLabel = 0;
    m.label = 490;  // held steps move on by 490 + 30 - 20 + 0 - 20 = 480
    for (float plus : {129.5f, 130.5f}) {
        m.plusCaption = plus;
        model.KeyMapCombo[0][0][17] = false;
        LoadSequence(18, true);
        // Step 18 starts at 1500 + 17 * 480 = 9660 and wraps either way; step 17 at 9180.
        EXPECT_EQ(view.labels[32].top, 750) << plus;
        EXPECT_EQ(view.labels[34].top, 1050) << plus;
    }
}

TEST_F(StepLayout, ASixthRowIsRefusedOneBeepPerStep) {
    m.label = 1970;  // four steps to a row: the fifth would start at 9500 and reach 9800
    m.caption = 300;
    LoadSequence(20);
    EXPECT_EQ(view.beeps, 0);
    EXPECT_EQ(view.labels.back().top, 1950);
    LoadSequence(23);
    EXPECT_EQ(view.beeps, 3);
    EXPECT_EQ(editor.KeyCount, 20);
    EXPECT_EQ(view.labels.size(), 20u);
}

// With held steps narrow enough, the 301 labels run out before the rows do: a step whose key
// or "+" would need a label past the last is refused, and so is every step after it.
TEST_F(StepLayout, LabelsRunningOutRefuseTheRest) {
    m.caption = 10;
    m.label = 10;
    m.plusLabel = 20;
    editor.Load(model, 0, 0);
    for (int k = 1; k <= 160; ++k) {
        editor.KeyBuffer[k] = 49;
        editor.ComboBuffer[k] = true;
    }
    editor.ComboBuffer[160] = false;
    editor.KeyCount = 160;
    view.FocusOk();
    EXPECT_EQ(view.labels.size(), 300u);
    EXPECT_EQ(editor.KeyCount, 150);
    EXPECT_EQ(view.beeps, 10);
}

// A profile holds at most 253 steps of a sequence: the 254th is refused like one that doesn't
// fit, so OK never stores what no save can write.
TEST_F(StepLayout, SequenceStopsWhereAProfileDoes) {
    m.caption = 1;
    m.label = 1;
    LoadSequence(253);
    EXPECT_EQ(view.beeps, 0);
    editor.VK_Click(65);
    EXPECT_EQ(view.beeps, 1);
    EXPECT_EQ(editor.KeyCount, 253);
    ASSERT_TRUE(editor.btnOK_Click(model));
    EXPECT_EQ(model.KeyMap[0][0][0], 253);
    EXPECT_EQ(model.KeyMap[0][0][254], 0);

    // A stored length beyond it opens as the longest sequence.
    model.KeyMap[0][0][0] = 300;
    editor.Load(model, 0, 0);
    EXPECT_EQ(editor.KeyCount, 253);
}

TEST_F(StepLayout, EndlessCombinationScanStopsAtTheLastStep) {
    m.caption = 0;
    m.label = 0;
    m.plusLabel = 0;
    m.plusCaption = 0;
    model.KeyMapCombo[0][0].fill(true);
    model.KeyMap[0][0][0] = 0;
    editor.Load(model, 0, 0);
    EXPECT_EQ(editor.KeyCount, kSteps - 2);
}

}  // namespace
}  // namespace qv
