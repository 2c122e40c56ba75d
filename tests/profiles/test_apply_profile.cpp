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

// A hand-made file: the zones, walk, "Simulate Mouse" and movement as given, the rest plain.
Profile HandMade(int deadZone, int walkZone, int walk, int simMouse, int movement = 1) {
    return test::ReadValid(
        test::Lines({-512, 512, -512, 512, -512, 512, deadZone, walkZone, walk, 0, 1, 450}) +
        test::EmptyBlocks(102) + test::Lines({simMouse, movement}));
}

std::string Describe(const Panel& panel) {
    const PanelSettings& v = panel.model->settings;
    const SettingsStates& s = panel.rules.States();
    std::string text;
    for (const int value : {v.DeadZone, v.MidDeadZone, v.chkWalk, v.chkSimMouse, v.chkMovement}) {
        text += std::to_string(value) + " ";
    }
    for (const bool on : {s.chkSimMouse, s.chkWalk, s.DeadZone, s.MidDeadZone, s.directions,
                          s.directionsShown, s.walk}) {
        text += on ? '+' : '-';
    }
    return text;
}

// What a person finds after a load: the values and what the controls allow, then what letting
// go of "Simulate Mouse" and ticking walk bring back of what the load put aside.
std::string Outcome(Panel& panel) {
    std::string seen = Describe(panel);
    const PanelSettings& v = panel.model->settings;
    if (panel.rules.States().chkSimMouse && v.chkSimMouse != 0) {
        panel.rules.Commit(&PanelSettings::chkSimMouse, 0);
        seen += " | mouse off: " + Describe(panel);
    }
    if (panel.rules.States().chkWalk && v.chkWalk != 1) {
        panel.rules.Commit(&PanelSettings::chkWalk, 1);
        seen += " | walk on: " + Describe(panel);
    }
    return seen;
}

TEST(ApplyProfile, EveryFileLoadsAsItDoesFreshWhateverWasLoadedBefore) {
    // Zones, walk, "Simulate Mouse", movement; and the file.
    std::vector<std::pair<std::string, Profile>> files;
    for (const auto& [deadZone, walkZone] :
         std::vector<std::pair<int, int>>{{100, 100}, {150, 150}, {120, 300}, {300, 120}}) {
        for (const int walk : {0, 1, 2}) {
            for (const int simMouse : {0, 1}) {
                for (const int movement : {0, 1}) {
                    std::string name;
                    for (const int item : {deadZone, walkZone, walk, simMouse, movement}) {
                        name += std::to_string(item) + " ";
                    }
                    files.emplace_back(name,
                                       HandMade(deadZone, walkZone, walk, simMouse, movement));
                }
            }
        }
    }
    int differ = 0;
    for (const auto& [name, file] : files) {
        Panel fresh;
        ApplyProfile(file, *fresh.model, fresh.rules);
        const std::string expected = Outcome(fresh);
        for (const auto& [beforeName, before] : files) {
            Panel panel;
            ApplyProfile(before, *panel.model, panel.rules);
            ApplyProfile(file, *panel.model, panel.rules);
            const std::string seen = Outcome(panel);
            if (seen != expected && ++differ <= 3) {
                ADD_FAILURE() << "loading " << name << "after " << beforeName << "gave\n  " << seen
                              << "\nfresh\n  " << expected;
            }
        }
    }
    EXPECT_EQ(differ, 0) << "of " << files.size() * files.size() << " ordered pairs";
}

TEST(ApplyProfile, AHandMadeWalkSettingIsPutAsideAsWalkWouldBe) {
    Panel standing;
    ApplyProfile(HandMade(100, 300, 0, 0), *standing.model, standing.rules);
    EXPECT_EQ(standing.model->settings.MidDeadZone, 100) << "with walk off, on the dead zone";
    standing.rules.Commit(&PanelSettings::chkWalk, 1);
    EXPECT_EQ(standing.model->settings.MidDeadZone, 300) << "the file's walk zone, put aside";

    Panel mouse;
    mouse.Load(File(100, 100, 0, 1));
    ApplyProfile(HandMade(100, 300, 1, 1), *mouse.model, mouse.rules);
    EXPECT_EQ(mouse.model->settings.chkWalk, 0);
    EXPECT_FALSE(mouse.rules.States().chkWalk) << "walk waits behind Simulate Mouse";
    mouse.rules.Commit(&PanelSettings::chkSimMouse, 0);
    EXPECT_EQ(mouse.model->settings.chkWalk, 1);
    EXPECT_EQ(mouse.model->settings.MidDeadZone, 300);

    Panel saved;
    saved.Load(File(120, 300, 1, 0));
    saved.Load(File(150, 150, 0, 0));
    saved.rules.Commit(&PanelSettings::chkWalk, 1);
    EXPECT_EQ(saved.model->settings.MidDeadZone, 256) << "a saved file puts no walk zone aside";
}

}  // namespace
}  // namespace qv
