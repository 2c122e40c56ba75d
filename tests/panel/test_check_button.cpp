#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "QtTestApp.h"
#include "panel/Buttons.h"
#include "panel/CheckButton.h"

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
