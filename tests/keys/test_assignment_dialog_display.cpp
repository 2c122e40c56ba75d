#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <set>

#include "AssignmentHarness.h"
#include "ui/PanelLook.h"

namespace qv {
namespace {

using Steps = std::vector<int32_t>;

constexpr int kWheelUp = 5, kA = 65, kI = 73, kCtrl = 162;

class AssignmentDisplay : public ::testing::Test {
protected:
    // A sequence of `count` steps of `code` in (0, slot 20).
    void LoadSequence(int count, int32_t code) {
        auto& keys = model.KeyMap[0][20];
        keys[0] = count;
        for (int k = 1; k <= count; ++k) {
            keys[k] = code;
        }
        keys[count + 1] = 0;
    }
    std::vector<QLabel*> ShownLabels() const {
        std::vector<QLabel*> shown;
        for (QLabel* label : h.Controls().lblOutput) {
            if (!label->isHidden()) {
                shown.push_back(label);
            }
        }
        return shown;
    }

    test::AssignmentHarness h;
    Model& model = h.model;
    const AssignmentControls& c = h.Controls();
};

TEST_F(AssignmentDisplay, HeldKeysPutAPlusBetweenThemUnderTheNextKey) {
    test::SetSlot(model, 0, 9, {{0}, {kCtrl, true}, {kA}});
    h.Open(9, 0, [&] {
        const std::vector<QLabel*> shown = ShownLabels();
        ASSERT_EQ(shown.size(), 3u);
        const QRect ctrl = shown[0]->geometry(), plus = shown[1]->geometry(),
                    key = shown[2]->geometry();
        EXPECT_EQ(ctrl.topLeft(), QPoint(Px(1500), Px(750)));
        EXPECT_EQ(plus.y(), ctrl.y());
        EXPECT_EQ(plus.x(), ctrl.x() + ctrl.width() + Px(10));
        EXPECT_EQ(key.x(), plus.x() + plus.width() - Px(20));
        // The next key covers the end of the "+": it lies in front of it.
        const QList<QObject*> order = c.Frame1->children();
        EXPECT_LT(order.indexOf(shown[1]), order.indexOf(shown[2]));
        EXPECT_EQ(shown[2]->palette().color(QPalette::Window), kIdleFace);
        EXPECT_EQ(shown[1]->palette().color(QPalette::Window), kPanelColour);
    });
}

TEST_F(AssignmentDisplay, CodesWithoutAKeyButtonShowTheirNumberAndAreStoredAsTheyAre) {
    test::SetSlot(model, 0, 20, {{3}, {7}, {300}, {kA}});
    h.Open(20, 0, [&] {
        EXPECT_EQ(h.Shown(), (QStringList{"<7>", "<300>", "A"}));
        h.Click(c.btnOK);
    });
    EXPECT_EQ(h.Stored(0, 20, 4), (Steps{3, 7, 300, kA, 0}));
    // An empty slot still shows what it holds.
    test::SetSlot(model, 0, 21, {{0}, {0}});
    h.Open(21, 0, [&] { EXPECT_EQ(h.Shown(), QStringList{"<0>"}); });
}

TEST_F(AssignmentDisplay, RowsWrapAndAStepNeedingASixthRowIsRefused) {
    LoadSequence(6, kWheelUp);
    h.Open(20, 0, [&] {
        int count = 6;
        while (h.keys.Beeps() == 0) {
            h.Key(kWheelUp);
            ++count;
        }
        // The refused step is dropped and nothing else changes.
        EXPECT_EQ(h.keys.Beeps(), 1);
        EXPECT_EQ(h.keys.Editor().KeyCount, count - 1);
        std::set<int> rows;
        for (QLabel* label : ShownLabels()) {
            rows.insert(label->y());
            EXPECT_LE(label->geometry().right(), c.Image1->geometry().right());
        }
        EXPECT_EQ(rows, (std::set<int>{Px(750), Px(1050), Px(1350), Px(1650), Px(1950)}));
        EXPECT_EQ(static_cast<int>(ShownLabels().size()), count - 1);
        h.Click(c.btnOK);
    });
    EXPECT_EQ(model.KeyMap[0][20][0], h.keys.Editor().KeyCount);
}

TEST_F(AssignmentDisplay, LoadedSlotTooLongForTheDisplayLosesItsTailWithABeepEach) {
    LoadSequence(200, kWheelUp);
    h.Open(20, 0, [&] {
        const int kept = h.keys.Editor().KeyCount;
        EXPECT_LT(kept, 200);
        EXPECT_EQ(h.keys.Beeps(), 200 - kept);
        EXPECT_EQ(static_cast<int>(ShownLabels().size()), kept);
        h.Click(c.btnOK);
    });
    const int kept = h.keys.Editor().KeyCount;
    EXPECT_EQ(model.KeyMap[0][20][0], kept);
    EXPECT_EQ(model.KeyMap[0][20][kept + 1], 0);
}

// A hand-made profile claims 300 steps and holds two: the dialog shows and stores those two.
TEST_F(AssignmentDisplay, StoredListEndsAtItsFirstZero) {
    test::SetSlot(model, 0, 20, {{300}, {kA}, {kCtrl}});
    model.KeyMap[0][20][5] = kA;
    h.Open(20, 0, [&] {
        EXPECT_EQ(h.Shown(), (QStringList{"A", "LEFT CTRL"}));
        EXPECT_EQ(h.keys.Beeps(), 0);
        h.Click(c.btnOK);
    });
    EXPECT_EQ(h.Stored(0, 20, 3), (Steps{2, kA, kCtrl, 0}));
}

// A profile holds 253 steps of a sequence; the narrowest captions would fit more on the display.
TEST_F(AssignmentDisplay, SequenceStopsAtWhatAProfileHolds) {
    LoadSequence(253, kI);
    h.Open(20, 0, [&] {
        EXPECT_EQ(h.keys.Beeps(), 0);
        h.Key(kI);
        EXPECT_EQ(h.keys.Beeps(), 1);
        EXPECT_EQ(static_cast<int>(ShownLabels().size()), 253);
        h.Click(c.btnOK);
    });
    EXPECT_EQ(model.KeyMap[0][20][0], 253);
    EXPECT_EQ(model.KeyMap[0][20][254], 0);
}

// A hand-edited single-key slot held through its last step: the display runs out of labels,
// keeps what fits, and OK stores a combination that ends.
TEST_F(AssignmentDisplay, CombinationThatNeverEndsIsCutToWhatTheDisplayHolds) {
    for (int k = 1; k < kSteps; ++k) {
        model.KeyMap[0][9][k] = '1';
        model.KeyMapCombo[0][9][k] = true;
    }
    h.Open(9, 0, [&] {
        const int kept = h.keys.Editor().KeyCount;
        EXPECT_GT(kept, 0);
        EXPECT_LE(2 * kept, kStepLabels);
        h.Click(c.btnOK);
    });
    const int steps = h.keys.Editor().ShownSteps();
    EXPECT_EQ(model.KeyMap[0][9][0], 0);
    EXPECT_EQ(model.KeyMap[0][9][steps + 1], 0);
    EXPECT_FALSE(model.KeyMapCombo[0][9][steps]);
}

// Relative luminance of a screen colour, for the contrast ratio between two colours.
double Luminance(const QColor& colour) {
    const auto linear = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// The contrast of a button's darkest caption pixel, inside its bevel, against `face`.
double CaptionContrast(const QImage& button, const QColor& face) {
    double darkest = 1;
    for (int y = 3; y < button.height() - 3; ++y) {
        for (int x = 3; x < button.width() - 3; ++x) {
            darkest = std::min(darkest, Luminance(button.pixelColor(x, y)));
        }
    }
    return (Luminance(face) + 0.05) / (darkest + 0.05);
}

// The checked mode box names the mode in force: it stays sunken and can't be clicked, and its
// caption reads as clearly as the other box's.
TEST_F(AssignmentDisplay, CheckedModeBoxIsSunkenAndReadable) {
    h.Open(7, 0, [&] {
        for (CheckButton* box : {c.chkSingleKey, c.chkSequence}) {
            if (box->Value() == 0) {
                h.Click(box);
            }
            h.Click(box);
            EXPECT_EQ(box->Value(), 1);
            const QImage drawn = box->grab().toImage();
            const int middle = drawn.height() / 2;
            EXPECT_LT(qGray(drawn.pixel(0, middle)), qGray(drawn.pixel(drawn.width() - 1, middle)))
                << "sunken";
            EXPECT_GE(CaptionContrast(drawn, kIdleFace), 4.5) << box->text().toStdString();
        }
    });
}

TEST_F(AssignmentDisplay, LabelsAreMadeOnceAndHiddenWhenNothingIsShown) {
    const auto labels = [&] {
        QList<QLabel*> found = c.Frame1->findChildren<QLabel*>(QRegularExpression("^lblOutput"));
        std::sort(found.begin(), found.end());
        return found;
    };
    const QList<QLabel*> before = labels();
    EXPECT_EQ(before.size(), kStepLabels);
    EXPECT_EQ(c.lblOutput[300]->objectName(), "lblOutput300");
    test::SetSlot(model, 0, 9, {{0}, {kCtrl, true}, {kA}});
    h.Open(9, 0, [&] {
        h.Click(c.chkKeyCombo);
        EXPECT_TRUE(ShownLabels().empty());
    });
    h.Open(9, 0);
    EXPECT_EQ(labels(), before);
}

}  // namespace
}  // namespace qv
