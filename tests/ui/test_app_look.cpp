#include <gtest/gtest.h>

#include <QFontInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

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

}  // namespace
}  // namespace qv
