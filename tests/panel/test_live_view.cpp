#include "panel/LiveView.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "LiveViewPanel.h"
#include "QtTestApp.h"
#include "ui/PanelPictures.h"

namespace qv {
namespace {

using Shape = PictureBox::Shape;
using Stroke = PictureBox::Stroke;

const QRgb kRedRgb = qRgb(255, 0, 0);
const QRgb kGreenRgb = qRgb(0, 192, 0);
const QRgb kCyanRgb = qRgb(0, 255, 255);

class LiveViewTest : public ::testing::Test {
protected:
    QRgb ButtonText() const { return panel.window.palette().color(QPalette::ButtonText).rgb(); }
    QColor PageColour(int page) const {
        return panel.pages[page - 1]->palette().color(QPalette::Window);
    }

    test::LiveViewPanel panel;
};

TEST_F(LiveViewTest, PagesMoveInExactTwipsAndSitOnTheNearestPixel) {
    panel.model.Pages = PageLayout(2);
    std::vector<int> heights;
    for (int t = 0; t < 22; ++t) {
        panel.Refresh();
        const PagePlace box = panel.view->PageGeometry(2);
        heights.push_back(box.Height);
        EXPECT_EQ(panel.pages[1]->height(), std::lround(box.Height / 15.0));
        EXPECT_EQ(panel.pages[1]->y(), std::lround(box.Top / 15.0));
    }
    EXPECT_EQ(std::vector<int>(heights.begin(), heights.begin() + 4),
              (std::vector<int>{380, 388, 400, 418}));
    EXPECT_EQ(std::vector<int>(heights.end() - 4, heights.end()),
              (std::vector<int>{1572, 1578, 1572, 1578}));
    // At rest the few twips of alternation never reach the widgets.
    EXPECT_EQ(panel.pages[0]->geometry(), QRect(264, 288, 225, 25));
    EXPECT_EQ(panel.pages[1]->geometry(), QRect(264, 320, 225, 105));
    EXPECT_EQ(panel.pages[2]->geometry(), QRect(264, 432, 225, 25));
}

TEST_F(LiveViewTest, PageOnesTopIsNeverWritten) {
    panel.model.Pages.PanelTop[0] = 5000;
    panel.Refresh(20);
    EXPECT_EQ(panel.pages[0]->y(), 288);
    EXPECT_EQ(panel.view->PageGeometry(1).Top, 4320);
}

TEST_F(LiveViewTest, ModeMarkerFillsOneThirdOfTheSlider) {
    for (int mode = 0; mode < kModes; ++mode) {
        panel.model.Mode = mode;
        panel.Refresh();
        const std::vector<Stroke> expected{
            {Shape::Box, 0, 244.0 * mode, 200, 244.0 * mode + 244, ButtonText(), kRedRgb, 1}};
        EXPECT_EQ(panel.slider->Strokes(), expected) << "mode " << mode;
    }
}

TEST_F(LiveViewTest, StickViewDrawsZonesAndCircleAndKeepsTheWidthOfThree) {
    panel.model.settings.MidDeadZone = 300;
    panel.model.axes.AxisX = -100;
    panel.model.axes.AxisY = 40;
    panel.Refresh();
    const QRgb fore = ButtonText();
    std::vector<Stroke> expected{{Shape::Box, 212, 212, 812, 812, fore, kCyanRgb, 1},
                                 {Shape::Box, 412, 412, 612, 612, fore, kGreenRgb, 1},
                                 {Shape::Circle, 411, 551, 35, 0, fore, kRedRgb, 3}};
    EXPECT_EQ(panel.picture1->Strokes(), expected);

    panel.Refresh();
    expected[0].width = 3;
    expected[1].width = 3;
    EXPECT_EQ(panel.picture1->Strokes(), expected);
}

TEST_F(LiveViewTest, UncheckedViewsKeepTheirLastDrawing) {
    panel.Refresh();
    const auto stick = panel.picture1->Strokes();
    const auto twist = panel.picture2->Strokes();
    const QImage stickImage = panel.picture1->Image();
    panel.model.settings.chkMovement = 0;
    panel.model.settings.chkAngles = 0;
    panel.model.axes.AxisX = 400;
    panel.model.axes.AxisTurn = -300;
    panel.Refresh(3);
    EXPECT_EQ(panel.picture1->Strokes(), stick);
    EXPECT_EQ(panel.picture2->Strokes(), twist);
    EXPECT_EQ(panel.picture1->Image(), stickImage);

    // A profile's grey value 2 is not "checked" here, though the preview counts it as on.
    panel.model.settings.chkMovement = 2;
    panel.model.settings.chkAngles = 2;
    panel.Refresh();
    EXPECT_EQ(panel.picture1->Strokes(), stick);
    EXPECT_EQ(panel.picture2->Strokes(), twist);
}

std::vector<Stroke> FanLines(const PictureBox& picture, QRgb green) {
    std::vector<Stroke> fan;
    for (const Stroke& s : picture.Strokes()) {
        if (s.fore == green && s.width == 2) {
            fan.push_back(s);
        }
    }
    return fan;
}

TEST_F(LiveViewTest, FanSpansTheTwistDeadZoneEveryNineUnits) {
    panel.model.settings.DeadZone2 = 450;
    panel.Refresh();
    const auto wide = FanLines(*panel.picture2, kGreenRgb);
    ASSERT_EQ(wide.size(), 101u);
    for (const Stroke& s : wide) {
        EXPECT_EQ(std::pair(s.x1, s.y1), std::pair(511.0, 950.0));
    }
    EXPECT_EQ(std::pair(wide.front().x2, wide.front().y2), std::pair(61.0, 141.0));
    EXPECT_EQ(std::pair(wide.back().x2, wide.back().y2), std::pair(961.0, 141.0));
    EXPECT_EQ(std::pair(wide[50].x2, wide[50].y2), std::pair(511.0, 60.0));

    panel.model.settings.DeadZone2 = 20;
    panel.Refresh();
    std::vector<double> ends;
    for (const Stroke& s : FanLines(*panel.picture2, kGreenRgb)) {
        ends.push_back(s.x2 - 511);
    }
    EXPECT_EQ(ends, (std::vector<double>{-20, -11, -2, 7, 16}));
}

TEST_F(LiveViewTest, TwistNeedleIsDarkBodyThenEdgesThenRedCore) {
    panel.model.settings.DeadZone2 = 100;
    panel.model.axes.AxisTurn = -150;
    panel.Refresh();
    const auto& strokes = panel.picture2->Strokes();
    ASSERT_GE(strokes.size(), 4u);
    const QRgb fore = ButtonText();
    const double needleTop = FanTop(-150);
    EXPECT_DOUBLE_EQ(needleTop, 69);
    const std::vector<Stroke> tail(strokes.end() - 4, strokes.end());
    const std::vector<Stroke> expected{
        {Shape::Line, 514, 950, 364, needleTop, fore, tail[0].fill, 7},
        {Shape::Line, 520, 950, 620, 64, fore, tail[0].fill, 3},
        {Shape::Line, 500, 950, 400, 64, fore, tail[0].fill, 3},
        {Shape::Line, 514, 950, 364, needleTop, kRedRgb, tail[0].fill, 3}};
    EXPECT_EQ(tail, expected);
}

TEST_F(LiveViewTest, PageColourFollowsItsFlag) {
    panel.model.PageFlag = {false, true, false};
    panel.Refresh();
    EXPECT_EQ(PageColour(1), QColor(95, 99, 114));
    EXPECT_EQ(PageColour(2), QColor(255, 0, 0));
    EXPECT_EQ(PageColour(3), QColor(95, 99, 114));
    panel.model.PageFlag = {false, false, false};
    panel.Refresh();
    EXPECT_EQ(PageColour(2), QColor(95, 99, 114));
}

TEST_F(LiveViewTest, CaptionsShowTheLabelsOfTheCurrentMode) {
    panel.model.KeyLabel[1][9] = "Grenade";
    panel.Refresh();
    EXPECT_EQ(panel.buttons[0]->text(), "Move Up");
    EXPECT_EQ(panel.buttons[9]->text(), "Jump");
    panel.model.Mode = 1;
    panel.Refresh();
    EXPECT_EQ(panel.buttons[9]->text(), "Grenade");
    EXPECT_EQ(panel.buttons[33]->text(), "F14");
    panel.model.KeyLabel[1][33] = "Map";
    panel.Refresh();
    EXPECT_EQ(panel.buttons[33]->text(), "Map");
}

// The rendered panel, pixel by pixel, so that a drawing that silently stopped is noticed.
TEST_F(LiveViewTest, RenderedPanelShowsTheLiveState) {
    panel.window.show();
    panel.model.Mode = 2;
    panel.model.PageFlag = {false, false, true};
    panel.model.axes.AxisX = 300;
    panel.Refresh(2);
    const QImage shot = panel.window.grab().toImage();
    const auto at = [&](QWidget* w, int x, int y) { return shot.pixel(w->x() + x, w->y() + y); };

    const QPoint circle(std::lround(811 * 97 / 1030.0), std::lround(511 * 97 / 1030.0));
    EXPECT_EQ(at(panel.picture1, circle.x(), circle.y()), kRedRgb);
    EXPECT_EQ(at(panel.picture1, 48, 48), kGreenRgb);
    EXPECT_NE(at(panel.picture1, 5, 5), kGreenRgb);

    EXPECT_EQ(at(panel.slider, 16, 53), kRedRgb);
    EXPECT_NE(at(panel.slider, 16, 10), kRedRgb);

    EXPECT_EQ(at(panel.picture2, 48, 47), kRedRgb);
    EXPECT_EQ(at(panel.picture2, 30, 40), kGreenRgb);

    EXPECT_EQ(at(panel.pages[2], 100, 10), kRedRgb);
    EXPECT_EQ(at(panel.pages[0], 100, 10), qRgb(95, 99, 114));
}

}  // namespace
}  // namespace qv
