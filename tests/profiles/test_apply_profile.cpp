#include <gtest/gtest.h>

#include <memory>

#include "ProfileText.h"
#include "RecordingControls.h"
#include "profiles/ProfileReader.h"

namespace qv {
namespace {

using test::ReadValid;

// Notes, with each control value, whether the first label had been loaded by then.
class OrderControls final : public ProfileControls {
public:
    explicit OrderControls(const Model& model) : model_(model) {}
    void SetControlValue(Item item, int value) override {
        calls.push_back({item, value, model_.KeyLabel[0][0] == "Z"});
    }
    struct Call {
        Item item;
        int value;
        bool blocksLoaded;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> calls;

private:
    const Model& model_;
};

TEST(ApplyProfile, LoadsInTheFilesItemOrder) {
    auto model = std::make_unique<Model>();
    OrderControls controls(*model);
    ApplyProfile(ReadValid(test::Lines({-100, 300, -512, 512, 10, -10, 150, 200, 1, 0, 2, 60}) +
                           test::Lines({0, 0, 90, 0}) + test::EmptyBlocks(101)),
                 *model, controls);

    EXPECT_EQ(model->axes.Limits.MinX, -100);
    EXPECT_EQ(model->axes.Limits.MaxX, 300);
    EXPECT_EQ(model->axes.X().centre, 100) << "calibration derived from the new limits";
    EXPECT_EQ(model->axes.Turn().range, 20);
    using C = OrderControls::Call;
    EXPECT_EQ(controls.calls, (std::vector<C>{
                                  {Item::DeadZone, 150, false},
                                  {Item::MidDeadZone, 200, false},
                                  {Item::chkWalk, 1, false},
                                  {Item::chkCCTIMER, 0, false},
                                  {Item::chkAngles, 2, false},
                                  {Item::DeadZone2, 60, false},
                                  {Item::chkSimMouse, 0, true},
                                  {Item::chkMovement, 1, true},
                              }));
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
    test::RecordingControls controls;
    ApplyProfile(ReadValid(test::Head() + blocks + test::EmptyBlocks(102 - 40)), *model, controls);

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

}  // namespace
}  // namespace qv
