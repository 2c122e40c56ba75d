#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "ProfileText.h"
#include "profiles/ProfileReader.h"
#include "profiles/ProfileWriter.h"

namespace qv {
namespace {

using test::ReadValid;

TEST(ApplyProfile, LoadsInTheFilesItemOrder) {
    auto model = std::make_unique<Model>();
    SettingsRules rules(model->settings);
    // What each setting's load left, and whether the first label was in by then.
    std::vector<std::pair<PanelSettings, bool>> loads;
    rules.Changed = [&] { loads.emplace_back(model->settings, model->KeyLabel[0][0] == "Z"); };
    ApplyProfile(ReadValid(test::Lines({-100, 300, -512, 512, 10, -10, 150, 200, 1, 0, 2, 60}) +
                           test::Lines({0, 0, 90, 0}) + test::EmptyBlocks(101)),
                 *model, rules);

    EXPECT_EQ(model->axes.Limits.MinX, -100);
    EXPECT_EQ(model->axes.Limits.MaxX, 300);
    EXPECT_EQ(model->axes.X().centre, 100) << "calibration derived from the new limits";
    EXPECT_EQ(model->axes.Turn().range, 20);
    ASSERT_EQ(loads.size(), 8u);
    EXPECT_EQ(loads[0].first.DeadZone, 150);
    EXPECT_EQ(loads[1].first.MidDeadZone, 200);
    EXPECT_EQ(loads[2].first.chkWalk, 1);
    EXPECT_EQ(loads[3].first.chkCCTIMER, 0);
    EXPECT_EQ(loads[4].first.chkAngles, 2);
    EXPECT_EQ(loads[5].first.DeadZone2, 60);
    EXPECT_FALSE(loads[5].second) << "the assignments follow item 12";
    EXPECT_TRUE(loads[6].second);
    EXPECT_EQ(loads[6].first.chkSimMouse, 0) << "missing from the file";
    EXPECT_EQ(loads[7].first.chkMovement, 1) << "missing from the file";
}

TEST(ApplyProfile, ReplacesAssignmentsUpToTheirClosingZero) {
    auto model = std::make_unique<Model>();
    FillDefaults(*model);
    auto& keys = model->KeyMap[1][5];
    auto& combo = model->KeyMapCombo[1][5];
    keys = {3, 65, 136, 66, 67};
    combo[3] = true;
    combo[4] = true;

    std::string blocks = test::EmptyBlocks(34 + 5) + test::Lines({0, -162, 87, 0, 65, 0});
    SettingsRules rules(model->settings);
    ApplyProfile(ReadValid(test::Head() + blocks + test::EmptyBlocks(102 - 40)), *model, rules);

    EXPECT_EQ(keys[0], 0);
    EXPECT_EQ(keys[1], 162);
    EXPECT_TRUE(combo[1]);
    EXPECT_EQ(keys[2], 87);
    EXPECT_FALSE(combo[2]);
    EXPECT_EQ(keys[3], 0);
    EXPECT_FALSE(combo[3]);
    EXPECT_EQ(keys[4], 67) << "steps behind the closing 0 keep their values";
    EXPECT_TRUE(combo[4]);
    EXPECT_EQ(model->KeyLabel[1][5], "A");
    EXPECT_EQ(model->KeyLabel[1][6], "");
    EXPECT_EQ(model->KeyMap[0][0][1], 0);
    EXPECT_EQ(model->KeyMap[0][0][2], 0);
}

// The panel's settings with the walk zone on the dead zone, as start-up leaves them, and the
// rules the panel runs them through.
struct Panel {
    Panel() {
        FillDefaults(*model);
        model->axes.Limits = {512, -512, 512, -512, 512, -512};
        model->settings.MidDeadZone = model->settings.DeadZone;
    }
    void Load(const std::string& file) { ApplyProfile(ReadValid(file), *model, rules); }
    std::string Saved() const { return WriteProfile(*model, model->settings).bytes; }

    std::unique_ptr<Model> model = std::make_unique<Model>();
    SettingsRules rules{model->settings};
};

std::string File(int deadZone, int walkZone, int walk, int simMouse) {
    Panel panel;
    PanelSettings& s = panel.model->settings;
    s.DeadZone = deadZone;
    s.MidDeadZone = walkZone;
    s.chkWalk = walk;
    s.chkSimMouse = simMouse;
    return panel.Saved();
}

TEST(ApplyProfile, AProfileLoadsToExactlyItsOwnSettingsWhateverCameBefore) {
    const std::string walking = File(120, 300, 1, 0);
    const std::string standing = File(150, 150, 0, 0);
    const std::string mouse = File(100, 100, 0, 1);
    // The settings a load can meet: fresh, each profile loaded, and a user's walk put aside by
    // "Simulate Mouse".
    const auto putAside = [](Panel& panel) {
        panel.rules.Commit(&PanelSettings::chkWalk, 1);
        panel.rules.Set(&PanelSettings::MidDeadZone, 400);
        panel.rules.Commit(&PanelSettings::chkSimMouse, 1);
    };
    const std::function<void(Panel&)> before[] = {
        [](Panel&) {},
        [&](Panel& panel) { panel.Load(walking); },
        [&](Panel& panel) { panel.Load(standing); },
        [&](Panel& panel) { panel.Load(mouse); },
        putAside,
    };
    for (std::size_t b = 0; b < std::size(before); ++b) {
        for (const std::string* file : {&walking, &standing, &mouse}) {
            Panel panel;
            before[b](panel);
            panel.Load(*file);
            EXPECT_EQ(panel.Saved(), *file) << "before " << b << ", loading:\n" << *file;
            const SettingsStates states = panel.rules.States();
            panel.Load(*file);
            EXPECT_EQ(panel.Saved(), *file) << "loaded twice, before " << b;
            EXPECT_TRUE(panel.rules.States() == states) << "loaded twice, before " << b;
        }
    }
}

TEST(ApplyProfile, AfterALoadWalkAndSimulateMouseBringBackThatProfilesWalk) {
    Panel panel;
    panel.Load(File(120, 300, 1, 0));
    panel.rules.Commit(&PanelSettings::chkWalk, 0);
    panel.rules.Commit(&PanelSettings::chkWalk, 1);
    EXPECT_EQ(panel.model->settings.MidDeadZone, 300);

    Panel mouse;
    mouse.rules.Commit(&PanelSettings::chkWalk, 1);
    mouse.rules.Commit(&PanelSettings::chkSimMouse, 1);
    mouse.Load(File(100, 100, 0, 1));
    mouse.rules.Commit(&PanelSettings::chkSimMouse, 0);
    EXPECT_EQ(mouse.model->settings.chkWalk, 0) << "walk as the profile has it, not as before";
}

}  // namespace
}  // namespace qv
