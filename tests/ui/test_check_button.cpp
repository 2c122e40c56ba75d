#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "Pixels.h"
#include "QtTestApp.h"
#include "ui/AppLook.h"
#include "ui/Buttons.h"
#include "ui/CheckButton.h"

namespace qv {
namespace {

TEST(CheckButton, SignalsOnlyWhenTheValueChangesAlsoFromCode) {
    CheckButton box(QStringLiteral("Enabled"), 0, nullptr);
    QSignalSpy changes(&box, &CheckButton::valueChanged);
    box.SetValue(0);
    EXPECT_EQ(changes.count(), 0);
    box.SetValue(2);
    box.SetValue(2);
    box.SetValue(1);
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes[0][0].toInt(), 2);
    EXPECT_EQ(changes[1][0].toInt(), 1);
    EXPECT_TRUE(box.isChecked()) << "stays pressed while checked";
    box.SetValue(0);
    EXPECT_FALSE(box.isChecked());
}

TEST(CheckButton, AClickTurnsOnOffAndGreyOn) {
    CheckButton box(QStringLiteral("Enabled"), 0, nullptr);
    box.resize(80, 30);
    box.show();
    QSignalSpy changes(&box, &CheckButton::valueChanged);
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_EQ(box.Value(), 1);
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_EQ(box.Value(), 0);
    box.SetValue(2);
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_EQ(box.Value(), 1);
    EXPECT_EQ(changes.count(), 4);
}

int DarkPixelsOnColumn(const QImage& image, int x) {
    int dark = 0;
    for (int y = 4; y < image.height() - 4; ++y) {
        dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    return dark;
}

TEST(CheckButton, ItsDrawingShowsOffOnAndGrey) {
    CheckButton box(QStringLiteral("Enabled"), 0, nullptr);
    box.resize(73, 25);
    const auto drawn = [&box](int value) {
        box.SetValue(value);
        return box.grab().toImage();
    };
    const QImage off = drawn(0);
    const QImage on = drawn(1);
    const QImage grey = drawn(2);
    const int middle = off.height() / 2;
    const int bottom = off.height() - 1;

    // A pressed button is lit from below: its top and left edges darken, its bottom brightens.
    for (const QImage* pressed : {&on, &grey}) {
        EXPECT_LT(qGray(pressed->pixel(0, middle)) + 60, qGray(off.pixel(0, middle)));
        EXPECT_LT(qGray(pressed->pixel(middle, 0)) + 60, qGray(off.pixel(middle, 0)));
        EXPECT_GT(qGray(pressed->pixel(middle, bottom)), qGray(off.pixel(middle, bottom)) + 60);
    }
    EXPECT_EQ(test::CaptionInk(on), test::CaptionInk(off).translated(1, 1))
        << "the caption sinks with it";

    // Off and on keep the exact face; grey hatches it, so it differs from on at a glance.
    const QRect faceCorner(3, 3, 6, 6);
    EXPECT_EQ(test::PixelsOtherThan(off, faceCorner, kIdleFace), 0);
    EXPECT_EQ(test::PixelsOtherThan(on, faceCorner, kIdleFace), 0);
    const int hatched = test::PixelsOtherThan(grey, faceCorner, kIdleFace);
    EXPECT_GT(hatched, 10);
    EXPECT_LT(hatched, 26) << "half the face keeps its colour";
}

TEST(ButtonDrawing, TheFocusedButtonShowsAFrame) {
    QWidget window;
    window.resize(200, 60);
    auto* check = new CheckButton(QStringLiteral("Enabled"), 1, &window);
    check->setGeometry(0, 0, 73, 25);
    auto* slot = new SlotButton(QStringLiteral("Jump"), &window);
    slot->setGeometry(80, 0, 65, 33);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (QPushButton* button : std::initializer_list<QPushButton*>{check, slot}) {
        button->clearFocus();
        EXPECT_EQ(DarkPixelsOnColumn(button->grab().toImage(), 3), 0);
        button->setFocus();
        ASSERT_TRUE(button->hasFocus());
        EXPECT_GT(DarkPixelsOnColumn(button->grab().toImage(), 3), 4)
            << button->text().toStdString();
    }
}

TEST(SlotButton, ShowsTheFaceColourItIsGiven) {
    SlotButton button(QStringLiteral("Jump"), nullptr);
    button.resize(65, 33);
    for (const QColor face : {QColor(192, 0, 0), QColor(0xDA, 0xDD, 0xDE)}) {
        SetFace(&button, face);
        const QImage image = button.grab().toImage();
        // A point of the face clear of the caption and the bevel.
        EXPECT_EQ(image.pixelColor(6, image.height() / 2), face);
    }
}

}  // namespace
}  // namespace qv
