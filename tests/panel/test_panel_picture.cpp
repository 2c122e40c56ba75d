#include <gtest/gtest.h>

#include <QImage>

#include "PanelHarness.h"

namespace qv {
namespace {

// Title ink: darker than anything the frames are drawn with.
bool IsInk(const QImage& image, int x, int y) {
    return image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 70;
}

bool InkAbove(const QImage& image, const QRect& control, int reach) {
    for (int y = control.top() - reach; y < control.top(); ++y) {
        for (int x = control.left(); x <= control.right(); ++x) {
            if (IsInk(image, x, y)) {
                return true;
            }
        }
    }
    return false;
}

TEST(PanelPicture, GroupTitlesHeadTheEnabledButtonsAndNoControlHidesThem) {
    test::PanelHarness h;
    const QImage picture(QStringLiteral(":/quorvane/panel.png"));
    ASSERT_FALSE(picture.isNull());
    for (const QWidget* headed :
         std::initializer_list<const QWidget*>{h.Controls().chkMovement, h.Controls().chkAngles,
                                               h.Controls().chkWalk, h.Controls().chkCCTIMER}) {
        EXPECT_TRUE(InkAbove(picture, headed->geometry(), 50))
            << "no title over " << headed->geometry().topLeft().x() << ","
            << headed->geometry().topLeft().y();
    }
    const QWidget* client = h.panel->centralWidget();
    for (const QObject* child : client->children()) {
        const auto* control = qobject_cast<const QWidget*>(child);
        if (control == nullptr) {
            continue;
        }
        const QRect area = control->geometry();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                ASSERT_FALSE(IsInk(picture, x, y))
                    << "a title under the control at " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace qv
