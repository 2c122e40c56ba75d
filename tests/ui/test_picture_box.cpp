#include "ui/PictureBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QScreen>

#include "QtTestApp.h"

namespace qv {
namespace {

QColor PixelAt(QWidget& widget, int x, int y) {
    return widget.grab().toImage().pixelColor(x, y);
}

class PictureBoxTest : public ::testing::Test {
protected:
    PictureBoxTest() {
        box.setGeometry(0, 0, 100, 100);
        box.SetBackColor(0xFFFFFF);
    }

    // A filled red box over the middle of the picture.
    void DrawMiddle() {
        box.Cls();
        box.SetFillColor(kRed);
        box.SetForeColor(kRed);
        box.Box(250, 250, 750, 750);
    }

    PictureBox box{1000, 1000};
};

TEST(PanelColour, ValuesAreBlueGreenRedAndSystemColoursComeFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::ButtonText, QColor(1, 2, 3));
    EXPECT_EQ(ColourFromValue(kRed, palette), QColor(255, 0, 0));
    EXPECT_EQ(ColourFromValue(kCyan, palette), QColor(0, 255, 255));
    EXPECT_EQ(ColourFromValue(kGreen, palette), QColor(0, 192, 0));
    EXPECT_EQ(ColourFromValue(kSlate, palette), QColor(95, 99, 114));
    EXPECT_EQ(ColourFromValue(kButtonText, palette), QColor(1, 2, 3));
}

TEST_F(PictureBoxTest, DrawsInItsUserScaleWithOutlineAndFill) {
    box.Cls();
    box.SetDrawWidth(5);
    box.SetForeColor(kGreen);
    box.SetFillColor(kRed);
    box.Box(200, 200, 800, 800);
    const QImage& image = box.Image();
    EXPECT_EQ(image.pixelColor(50, 50), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(20, 50), QColor(0, 192, 0));
    EXPECT_EQ(image.pixelColor(10, 50), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(50, 90), QColor(255, 255, 255));
}

TEST_F(PictureBoxTest, KeepsItsDrawingWhenHiddenShownRepaintedOrResized) {
    DrawMiddle();
    box.show();
    QApplication::processEvents();
    box.hide();
    box.show();
    box.repaint();
    EXPECT_EQ(PixelAt(box, 50, 50), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(box, 10, 10), QColor(255, 255, 255));

    box.resize(200, 200);
    QApplication::processEvents();
    EXPECT_EQ(PixelAt(box, 100, 100), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(box, 40, 40), QColor(255, 255, 255));
}

TEST_F(PictureBoxTest, ClsClearsToTheBackColour) {
    DrawMiddle();
    box.Image();
    box.Cls();
    QApplication::processEvents();
    EXPECT_TRUE(box.Strokes().empty());
    EXPECT_EQ(PixelAt(box, 50, 50), QColor(255, 255, 255));
}

TEST_F(PictureBoxTest, SameDrawingAgainIsNotRenderedAgainButAnyDifferenceIs) {
    DrawMiddle();
    const qint64 first = box.Image().cacheKey();
    DrawMiddle();
    EXPECT_EQ(box.Image().cacheKey(), first);

    // Fewer commands than before: what the longer drawing had must go.
    box.Cls();
    box.Line(0, 0, 1000, 1000);
    box.Line(0, 1000, 1000, 0);
    box.Image();
    box.Cls();
    box.Line(0, 0, 1000, 1000);
    EXPECT_NE(box.Image().cacheKey(), first);
    EXPECT_EQ(box.Image().pixelColor(90, 10), QColor(255, 255, 255));

    // Same shape in another colour.
    DrawMiddle();
    box.Image();
    box.Cls();
    box.SetFillColor(kGreen);
    box.Box(250, 250, 750, 750);
    EXPECT_EQ(box.Image().pixelColor(50, 50), QColor(0, 192, 0));
}

TEST_F(PictureBoxTest, DrawingWithoutClsAddsToWhatIsThere) {
    DrawMiddle();
    box.Image();
    box.SetForeColor(kGreen);
    box.SetDrawWidth(3);
    box.Line(0, 100, 1000, 100);
    const QImage& image = box.Image();
    EXPECT_EQ(image.pixelColor(50, 50), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(50, 10), QColor(0, 192, 0));
}

// What the window holds on screen, not what a fresh paint of the box would give.
QColor OnScreen(QWidget& window, int x, int y) {
    return window.screen()->grabWindow(window.winId()).toImage().pixelColor(x, y);
}

// A paint asked for during a paint reaches the screen one pass of the event loop later.
void PaintAll() {
    QApplication::processEvents();
    QApplication::processEvents();
}

TEST_F(PictureBoxTest, AnyRepaintAfterAChangeBringsTheWholeBoxUpToDate) {
    DrawMiddle();
    box.show();
    PaintAll();
    ASSERT_EQ(OnScreen(box, 50, 50), QColor(255, 0, 0));

    // Uncovered in one corner before the box had settled its new drawing.
    box.Cls();
    box.repaint(0, 0, 10, 10);
    PaintAll();
    EXPECT_EQ(OnScreen(box, 50, 50), QColor(255, 255, 255)) << "no trace of the old drawing";

    // Read back before the box had settled, with the screen showing the white drawing.
    box.update();
    PaintAll();
    ASSERT_EQ(OnScreen(box, 50, 50), QColor(255, 255, 255));
    DrawMiddle();
    box.Image();
    PaintAll();
    EXPECT_EQ(OnScreen(box, 50, 50), QColor(255, 0, 0));
}

}  // namespace
}  // namespace qv
