#include <gtest/gtest.h>

#include "AssignmentHarness.h"
#include "model/SettingsRules.h"
#include "profiles/ProfileReader.h"
#include "profiles/ProfileWriter.h"

namespace qv {
namespace {

constexpr int kCtrl = 162, kAlt = 164, kF4 = 115, kA = 65, kB = 66, kDelay500 = 138, kKeypad5 = 101;

// Slots built in the dialog come back the same through a saved and loaded profile, and open
// in the dialog as they were built.
TEST(AssignmentProfile, SlotsBuiltInTheDialogSurviveASaveAndALoad) {
    test::AssignmentHarness h;
    const AssignmentControls& c = h.Controls();
    h.Open(9, 1, [&] {
        h.Click(c.chkKeyCombo);
        h.Press({kAlt, kF4});
        c.txtKeyFunction->setText("Quit");
        h.Click(c.btnOK);
    });
    h.model.KeyLabel[1][9] = h.keys.FunctionText().toStdString();
    h.Open(20, 2, [&] {
        h.Click(c.chkSequence);
        h.Click(c.chkKeyCombo);
        h.Press({kCtrl, kA});
        h.Click(c.chkKeyCombo);
        h.Press({kDelay500, kB});
        h.Click(c.btnOK);
    });
    // The slot's old key "KP[5]" stays as the sequence's first step.
    ASSERT_EQ(h.Stored(2, 20, 6),
              (std::vector<int32_t>{5, kKeypad5, -kCtrl, kA, kDelay500, kB, 0}));

    const ProfileWriteResult written = WriteProfile(h.model, h.model.settings);
    ASSERT_FALSE(written.error);
    const ProfileReadResult read = ReadProfile(written.bytes);
    ASSERT_TRUE(read.profile) << read.error.Message();
    test::AssignmentHarness loaded;
    SettingsRules rules(loaded.model.settings);
    ApplyProfile(*read.profile, loaded.model, rules);

    EXPECT_EQ(loaded.Stored(1, 9, 3), h.Stored(1, 9, 3));
    EXPECT_EQ(loaded.Stored(2, 20, 6), h.Stored(2, 20, 6));
    EXPECT_EQ(loaded.model.KeyLabel[1][9], "Quit");
    loaded.Open(9, 1, [&] { EXPECT_EQ(loaded.Shown(), (QStringList{"LEFT ALT", "+", "F4"})); });
    loaded.Open(20, 2, [&] {
        EXPECT_EQ(loaded.Shown(),
                  (QStringList{"KP[5]", "LEFT CTRL", "+", "A", "DELAY 500ms", "B"}));
    });
}

}  // namespace
}  // namespace qv
