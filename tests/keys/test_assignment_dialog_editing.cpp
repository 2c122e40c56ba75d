#include <gtest/gtest.h>

#include "AssignmentHarness.h"
#include "keys/KeyButtons.h"
#include "model/DelayCodes.h"

namespace qv {
namespace {

using test::Step;
using Steps = std::vector<int32_t>;

constexpr int kCtrl = 162, kA = 65, kB = 66, kC = 67, kD = 68, kDelay1s = 136;

class AssignmentEditing : public ::testing::Test {
protected:
    test::AssignmentHarness h;
    Model& model = h.model;
    const AssignmentControls& c = h.Controls();
};

bool DelaysEnabled(const AssignmentControls& c) {
    for (int code = kFirstDelayCode; code <= kLastDelayCode; ++code) {
        if (!c.VK[code]->isEnabled()) {
            return false;
        }
    }
    return true;
}

// --- single key ---

TEST_F(AssignmentEditing, SingleKeyOpensShownAndAPlainClickReplacesIt) {
    model.KeyMap[0][7][5] = 99;  // behind the closing 0: kept through the round trip
    h.Open(7, 0, [&] {
        EXPECT_EQ(h.Shown(), QStringList{"1"});
        EXPECT_EQ(c.Label3->text(), "Keys will be held down while button is pressed");
        h.Key(kB);
        EXPECT_EQ(h.Shown(), QStringList{"B"});
        h.Click(c.btnOK);
    });
    EXPECT_FALSE(h.keys.isVisible());
    EXPECT_EQ(h.Stored(0, 7, 2), (Steps{0, kB, 0}));
    EXPECT_EQ(model.KeyMap[0][7][5], 99);
}

TEST_F(AssignmentEditing, LoadedCombinationKeepsItsHeldKeysWhenItsLastKeyIsReplaced) {
    test::SetSlot(model, 0, 9, {{0}, {kCtrl, true}, {kA}});
    h.Open(9, 0, [&] {
        EXPECT_EQ(h.Shown(), (QStringList{"LEFT CTRL", "+", "A"}));
        h.Key(kB);
        EXPECT_EQ(h.Shown(), (QStringList{"LEFT CTRL", "+", "B"}));
        h.Click(c.btnOK);
    });
    EXPECT_EQ(h.Stored(0, 9, 3), (Steps{0, -kCtrl, kB, 0}));
}

// --- combinations ---

TEST_F(AssignmentEditing, CombinationBuiltInTheDialogIsReplacedWholeByAPlainClick) {
    h.Open(7, 0, [&] {
        h.Click(c.chkKeyCombo);
        EXPECT_TRUE(h.Shown().isEmpty());
        h.Click(c.btnOK);
        EXPECT_TRUE(h.keys.isVisible());
        EXPECT_EQ(h.keys.Beeps(), 1);

        h.Press({kA, kB, kC});
        // An open combination shows its last key held too.
        EXPECT_EQ(h.Shown(), (QStringList{"A", "+", "B", "+", "C", "+"}));
        h.Click(c.chkKeyCombo);
        EXPECT_EQ(h.Shown(), (QStringList{"A", "+", "B", "+", "C"}));
        EXPECT_EQ(h.keys.Editor().ComboLead, 2);
        EXPECT_EQ(h.keys.Editor().KeyCount, 1);
        h.Key(kD);
        EXPECT_EQ(h.Shown(), QStringList{"D"});
        h.Click(c.btnOK);
    });
    EXPECT_EQ(h.Stored(0, 7, 2), (Steps{0, kD, 0}));
}

TEST_F(AssignmentEditing, ClosingAnEmptyCombinationBringsBackTheOldKey) {
    h.Open(7, 0, [&] {
        h.Click(c.chkKeyCombo);
        h.Click(c.chkKeyCombo);
        EXPECT_EQ(h.Shown(), QStringList{"1"});
        h.Click(c.btnOK);
    });
    EXPECT_EQ(h.Stored(0, 7, 2), (Steps{0, '1', 0}));
}

TEST_F(AssignmentEditing, OkClosesAnOpenCombination) {
    h.Open(8, 2, [&] {
        h.Click(c.chkKeyCombo);
        h.Press({kCtrl, kA});
        h.Click(c.btnOK);
    });
    EXPECT_EQ(h.Stored(2, 8, 3), (Steps{0, -kCtrl, kA, 0}));
    EXPECT_EQ(c.chkKeyCombo->Value(), 0);
}

// --- sequences and delays ---

TEST_F(AssignmentEditing, SequenceOpensWithItsStepsTakesMoreAndUndoesThem) {
    test::SetSlot(model, 1, 20, {{3}, {kA}, {kDelay1s}, {kB}});
    h.Open(20, 1, [&] {
        EXPECT_EQ(h.Shown(), (QStringList{"A", "DELAY 1 SECOND", "B"}));
        EXPECT_EQ(c.Label3->text(), "Keys will be pressed and released in sequence");
        EXPECT_TRUE(c.cmdUndo->isEnabled());
        h.Key(kC);
        EXPECT_EQ(h.Shown(), (QStringList{"A", "DELAY 1 SECOND", "B", "C"}));
        EXPECT_TRUE(h.keys.Timer1().isActive());
        h.Click(c.cmdUndo);
        EXPECT_EQ(h.Shown(), (QStringList{"A", "DELAY 1 SECOND", "B"}));
        h.Click(c.btnOK);
    });
    EXPECT_EQ(h.Stored(1, 20, 4), (Steps{3, kA, kDelay1s, kB, 0}));
}

TEST_F(AssignmentEditing, HeldGroupInsideASequence) {
    test::SetSlot(model, 0, 12, {{1}, {kA}});
    h.Open(12, 0, [&] {
        h.Click(c.chkKeyCombo);
        EXPECT_FALSE(DelaysEnabled(c));
        h.Press({kCtrl, kB});
        h.Click(c.chkKeyCombo);
        EXPECT_TRUE(DelaysEnabled(c));
        h.Key(kDelay1s);
        EXPECT_EQ(h.Shown(), (QStringList{"A", "LEFT CTRL", "+", "B", "DELAY 1 SECOND"}));
        h.Click(c.btnOK);
    });
    EXPECT_EQ(h.Stored(0, 12, 5), (Steps{4, kA, -kCtrl, kB, kDelay1s, 0}));
}

// UNDO of the key after a held group leaves its last key released, as OK stores it; a slot whose
// last step a profile holds opens released too.
TEST_F(AssignmentEditing, DisplayShowsNoPlusThatOkDoesNotStore) {
    test::SetSlot(model, 0, 20, {{1}, {kA}});
    h.Open(20, 0, [&] {
        h.Click(c.chkKeyCombo);
        h.Press({kCtrl, kB});
        h.Click(c.chkKeyCombo);
        h.Click(c.cmdUndo);
        EXPECT_EQ(h.Shown(), (QStringList{"A", "LEFT CTRL"}));
        h.Key(kC);
        EXPECT_EQ(h.Shown(), (QStringList{"A", "LEFT CTRL", "C"}));
        h.Click(c.btnOK);
    });
    EXPECT_EQ(h.Stored(0, 20, 4), (Steps{3, kA, kCtrl, kC, 0}));

    test::SetSlot(model, 0, 21, {{2}, {kCtrl, true}, {kA, true}});
    h.Open(21, 0, [&] { EXPECT_EQ(h.Shown(), (QStringList{"LEFT CTRL", "+", "A"})); });
}

TEST_F(AssignmentEditing, UndoStopsAtNothingAndIsOffForASingleKey) {
    h.Open(7, 0, [&] {
        EXPECT_FALSE(c.cmdUndo->isEnabled());
        EXPECT_FALSE(DelaysEnabled(c));
        h.Click(c.cmdUndo);
        EXPECT_EQ(h.Shown(), QStringList{"1"});

        h.Click(c.chkSequence);
        h.Click(c.cmdUndo);
        h.Click(c.cmdUndo);
        EXPECT_TRUE(h.Shown().isEmpty());
        EXPECT_EQ(h.keys.Editor().KeyCount, 0);
        h.Click(c.btnOK);
        EXPECT_EQ(h.keys.Beeps(), 1);
    });
}

// --- mode switches ---

TEST_F(AssignmentEditing, ModeBoxesActAsAPairAndKeepTheirStateBetweenOpenings) {
    test::SetSlot(model, 0, 20, {{3}, {kA}, {kB}, {kC}});
    h.Open(20, 0, [&] {
        EXPECT_EQ(c.chkSequence->Value(), 1);
        EXPECT_FALSE(c.chkSequence->isEnabled());
        EXPECT_EQ(c.chkSingleKey->Value(), 0);
        EXPECT_TRUE(c.chkSingleKey->isEnabled());
        EXPECT_TRUE(DelaysEnabled(c));
        h.Click(c.chkSingleKey);
        EXPECT_EQ(h.Shown(), QStringList{"A"});
        EXPECT_EQ(c.chkSequence->Value(), 0);
        EXPECT_TRUE(c.chkSequence->isEnabled());
        EXPECT_FALSE(c.chkSingleKey->isEnabled());
        EXPECT_FALSE(DelaysEnabled(c));
        EXPECT_FALSE(c.cmdUndo->isEnabled());
        h.Click(c.btnOK);
    });
    EXPECT_EQ(h.Stored(0, 20, 2), (Steps{0, kA, 0}));
    // Another sequence slot: the dialog switches back, the other controls follow.
    test::SetSlot(model, 0, 21, {{2}, {kC}, {kD}});
    h.Open(21, 0, [&] {
        EXPECT_EQ(c.chkSequence->Value(), 1);
        EXPECT_TRUE(c.cmdUndo->isEnabled());
        EXPECT_EQ(h.Shown(), (QStringList{"C", "D"}));
    });
}

TEST_F(AssignmentEditing, LeavingSingleKeyModeKeepsTheCountAndDropsTheLead) {
    test::SetSlot(model, 0, 9, {{0}, {kCtrl, true}, {kA}});
    h.Open(9, 0, [&] {
        h.Click(c.chkSequence);
        EXPECT_EQ(h.Shown(), (QStringList{"LEFT CTRL", "+", "A"}));
        h.Click(c.btnOK);
    });
    EXPECT_EQ(h.Stored(0, 9, 3), (Steps{2, -kCtrl, kA, 0}));

    h.Open(7, 0, [&] {
        h.Click(c.chkKeyCombo);
        h.Press({kA, kB, kC});
        h.Click(c.chkKeyCombo);
        h.Click(c.chkSequence);
        EXPECT_EQ(h.Shown(), QStringList{"A"});
        h.Click(c.btnOK);
    });
    EXPECT_EQ(h.Stored(0, 7, 2), (Steps{1, kA, 0}));
}

// A single-key slot opened while the dialog stands in sequence mode keeps all its keys.
TEST_F(AssignmentEditing, LoadingASingleKeySlotInSequenceModeKeepsItsKeys) {
    test::SetSlot(model, 0, 20, {{1}, {kA}});
    h.Open(20, 0);
    test::SetSlot(model, 0, 9, {{0}, {kCtrl, true}, {kB}});
    h.Open(9, 0, [&] {
        EXPECT_TRUE(h.wasLoading);
        EXPECT_TRUE(h.wasArmed);
        EXPECT_FALSE(h.keys.Editor().Loading);
        EXPECT_EQ(h.Shown(), (QStringList{"LEFT CTRL", "+", "B"}));
        EXPECT_EQ(c.chkSingleKey->Value(), 1);
    });
}

// --- cancel ---

TEST_F(AssignmentEditing, CancelAndEscapeDropKeyEditsButKeepTheText) {
    const Model before = model;
    h.Open(7, 1, [&] {
        EXPECT_EQ(c.txtKeyFunction->text(), "Weapon Group 1");
        c.txtKeyFunction->setText("Grenade");
        h.Click(c.chkKeyCombo);
        h.Press({kA, kB});
        QTest::keyClick(&h.keys, Qt::Key_Escape);
    });
    EXPECT_FALSE(h.keys.isVisible());
    EXPECT_EQ(model.KeyMap, before.KeyMap);
    EXPECT_EQ(model.KeyMapCombo, before.KeyMapCombo);
    EXPECT_EQ(h.keys.FunctionText(), "Grenade");
    h.Open(7, 1, [&] {
        EXPECT_EQ(c.chkKeyCombo->Value(), 0);
        EXPECT_EQ(h.Shown(), QStringList{"1"});
        h.Click(c.btnCancel);
    });
    EXPECT_EQ(model.KeyMap, before.KeyMap);
}

// Typing stops at 25 characters, but a longer label from a profile is neither cut on opening
// nor on closing.
TEST_F(AssignmentEditing, FunctionTextTypingStopsAt25ButLongLabelsStayWhole) {
    const std::string longLabel = "Call in the heavy artillery";
    model.KeyLabel[0][7] = longLabel;
    h.Open(7, 0, [&] {
        c.txtKeyFunction->end(false);
        QTest::keyClicks(c.txtKeyFunction, "!");
        EXPECT_EQ(h.keys.FunctionText().toStdString(), longLabel);
        QTest::keyClick(c.txtKeyFunction, Qt::Key_Backspace);
        EXPECT_EQ(h.keys.FunctionText().size(), longLabel.size() - 1);
    });
    model.KeyLabel[0][8] = longLabel;
    h.Open(8, 0);
    EXPECT_EQ(h.keys.FunctionText().toStdString(), longLabel);
    h.Open(9, 0, [&] {
        c.txtKeyFunction->clear();
        QTest::keyClicks(c.txtKeyFunction, "abcdefghijklmnopqrstuvwxyz0123");
        EXPECT_EQ(h.keys.FunctionText(), "abcdefghijklmnopqrstuvwxy");
    });
}

}  // namespace
}  // namespace qv
