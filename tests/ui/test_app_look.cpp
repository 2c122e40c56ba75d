#include <gtest/gtest.h>

#include <QFontInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "Pixels.h"
#include "QtTestApp.h"
#include "ui/AppLook.h"

namespace qv {
namespace {

TEST(AppLook, EveryWindowUsesThePanelFace) {
    const QFontInfo panel(ArialFont(8));
    EXPECT_FALSE(panel.fixedPitch());
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("File Overwrite"), QStringLiteral("Sure?"),
                    QMessageBox::Yes | QMessageBox::No);
    QMenu menu;
    for (const QWidget* window :
         std::initializer_list<const QWidget*>{&box, box.button(QMessageBox::Yes), &menu}) {
        EXPECT_EQ(QFontInfo(window->font()).family(), panel.family());
    }
}

TEST(AppLook, CommandButtonsHaveTheFlatFaceAndPressIn) {
    QPushButton button(QStringLiteral("&Exit"));
    button.resize(73, 25);
    const QImage up = button.grab().toImage();
    EXPECT_EQ(test::PixelsOtherThan(up, QRect(3, 3, 6, up.height() - 6), kIdleFace), 0)
        << "no gradient over the face";
    button.setDown(true);
    const QImage down = button.grab().toImage();
    EXPECT_LT(qGray(down.pixel(0, 12)) + 60, qGray(up.pixel(0, 12))) << "the top and left darken";
    EXPECT_EQ(test::CaptionInk(down), test::CaptionInk(up).translated(1, 1));
}

// Dark dots down the left edge of a dotted frame just inside the bevel.
int FocusFrameDots(QPushButton& button) {
    const QImage image = button.grab().toImage();
    int dark = 0;
    for (int y = 4; y < image.height() - 4; ++y) {
        dark += qGray(image.pixel(3, y)) < 100 ? 1 : 0;
    }
    return dark;
}

// Enter presses the button that has the focus, so a person must see which one that is: the
// default one or another, after a click or after Tab alike.
TEST(AppLook, TheFocusedCommandButtonShowsAFrame) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("File Overwrite"), QStringLiteral("Sure?"),
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    auto* yes = qobject_cast<QPushButton*>(box.button(QMessageBox::Yes));
    auto* no = qobject_cast<QPushButton*>(box.button(QMessageBox::No));
    ASSERT_TRUE(yes && no);
    ASSERT_TRUE(yes->hasFocus());
    EXPECT_GT(FocusFrameDots(*yes), 2);
    EXPECT_EQ(FocusFrameDots(*no), 0);
    no->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(FocusFrameDots(*yes), 0);
    EXPECT_GT(FocusFrameDots(*no), 2);
}

}  // namespace
}  // namespace qv
