#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace qv::test {
namespace {

using Colours = std::vector<FakePanel::Colour>;

class Preview : public testing::Test {
protected:
    Preview() { h.panel.visible = true; }

    Colours TickColours(const Controls& c) {
        h.panel.colours.clear();
        h.Tick(c);
        return h.panel.colours;
    }

    EngineHarness h;
};

TEST_F(Preview, ColoursSlotsOnTheirTransitionsOnly) {
    h.model.settings.MidDeadZone = 300;
    h.Assign(0, 8, 2, {0x41, 0x42});
    EXPECT_EQ(TickColours({.x = 150, .buttons = kButton1 | kButton2}),
              (Colours{{3, true}, {6, true}, {7, true}, {8, true}}));
    EXPECT_EQ(TickColours({.x = 150, .buttons = kButton1 | kButton2}), Colours{});
    EXPECT_EQ(TickColours({.x = 400, .buttons = kButton2}), (Colours{{6, false}, {7, false}}));
    EXPECT_EQ(TickColours({}), (Colours{{3, false}, {8, false}}));
    EXPECT_TRUE(h.sink.records.empty());
    EXPECT_TRUE(h.ring.Empty()) << "the preview queues nothing";
}

TEST_F(Preview, MouseModeColoursSimulateMouseOnEveryTick) {
    h.model.settings.chkSimMouse = 1;
    EXPECT_EQ(TickColours({.x = -300, .y = 50}), (Colours{{-1, true}}));
    EXPECT_EQ(h.model.axes.AxisY, 50) << "the preview leaves the axes as decoded";
    EXPECT_EQ(TickColours({.y = 300}), (Colours{{-1, true}}));
    EXPECT_EQ(TickColours({}), (Colours{{-1, false}}));
    h.model.settings.chkMovement = 0;
    EXPECT_EQ(TickColours({.x = 500}), (Colours{{-1, false}}));
    h.model.settings.chkSimMouse = 0;
    h.model.settings.chkMovement = 1;
    EXPECT_EQ(TickColours({}), Colours{}) << "leaving mouse mode keeps the last colour";
}

TEST_F(Preview, TransitionWhileHiddenKeepsTheOldColour) {
    EXPECT_EQ(TickColours({.buttons = kButton1}), (Colours{{7, true}}));
    h.panel.visible = false;
    h.Tick({});
    h.panel.visible = true;
    EXPECT_EQ(TickColours({}), Colours{});
}

}  // namespace
}  // namespace qv::test
