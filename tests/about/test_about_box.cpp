#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "FakeWebBrowser.h"
#include "QtTestApp.h"
#include "about/AboutWindows.h"
#include "about/ProductInfo.h"

namespace qv {
namespace {

struct Seen {
    QString caption, title, version;
    bool modal = false;
    bool owned = true;
    QSize picture;
};

// Opens the box from the menu entry; `whileOpen` looks at it and closes it. Answers what the
// open box showed, once the menu entry has returned.
Seen OpenAbout(AboutWindows& windows, const std::function<void(AboutBox&)>& whileOpen) {
    Seen seen;
    QTimer::singleShot(0, [&] {
        AboutBox* box = windows.About();
        if (box == nullptr) {
            ADD_FAILURE() << "no About box while the menu entry runs";
            return;
        }
        seen = {box->windowTitle(),
                box->Title()->text(),
                box->Version()->text(),
                box->isModal() && box->isVisible(),
                box->parentWidget() != nullptr,
                box->Picture()->pixmap().size()};
        // A box that failed to close must not hold the test forever.
        QTimer::singleShot(5000, box, [box] { box->done(0); });
        whileOpen(*box);
    });
    windows.mnuAbout_Click();
    return seen;
}

void PressEnter(AboutBox& box) {
    QTest::keyClick(&box, Qt::Key_Return);
}

class AboutBoxTest : public ::testing::Test {
protected:
    void TearDown() override { IdentifyApplication(); }

    QWidget panel;
    test::FakeBrowsers browsers;
    AboutWindows windows{panel, browsers.Source()};
};

TEST_F(AboutBoxTest, ShowsTheProgramsNameAndTheBuildsVersion) {
    IdentifyApplication();
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral(QV_PROJECT_VERSION));
    const Seen seen = OpenAbout(windows, PressEnter);
    EXPECT_EQ(seen.caption, QStringLiteral("About Quorvane"));
    EXPECT_EQ(seen.title, QStringLiteral("Quorvane"));
    EXPECT_EQ(seen.version, QStringLiteral("Version 1.3.0"));
    EXPECT_TRUE(seen.modal);
    EXPECT_FALSE(seen.owned) << "no owner window";
    EXPECT_EQ(seen.picture, QSize(64, 64));
}

// Each opening loads the box anew, so it follows the application whatever it was called
// before; the version line keeps three numbers.
TEST_F(AboutBoxTest, EveryOpeningTakesTheApplicationsCurrentNameAndVersion) {
    QCoreApplication::setApplicationName(QStringLiteral("Ersatz"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.14.7.9"));
    const Seen first = OpenAbout(windows, PressEnter);
    EXPECT_EQ(first.caption, QStringLiteral("About Ersatz"));
    EXPECT_EQ(first.title, QStringLiteral("Ersatz"));
    EXPECT_EQ(first.version, QStringLiteral("Version 2.14.7"));

    QCoreApplication::setApplicationName(QStringLiteral("Other"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3"));
    const Seen second = OpenAbout(windows, PressEnter);
    EXPECT_EQ(second.caption, QStringLiteral("About Other"));
    EXPECT_EQ(second.title, QStringLiteral("Other"));
    EXPECT_EQ(second.version, QStringLiteral("Version 3.0.0"));
}

TEST_F(AboutBoxTest, EnterEscapeOkAndTheCloseBoxEachCloseAndDeleteIt) {
    const std::function<void(AboutBox&)> closes[] = {
        PressEnter,
        [](AboutBox& box) { QTest::keyClick(&box, Qt::Key_Escape); },
        [](AboutBox& box) { box.OKButton()->click(); },
        [](AboutBox& box) { box.close(); },
    };
    for (const auto& close : closes) {
        QPointer<AboutBox> opened;
        OpenAbout(windows, [&](AboutBox& box) {
            opened = &box;
            close(box);
        });
        EXPECT_TRUE(opened.isNull()) << "the box is unloaded with its close";
        EXPECT_EQ(windows.About(), nullptr);
    }
}

TEST_F(AboutBoxTest, TheShutDownClosesAnOpenBoxAndLoadsNoneWhenNoneIsOpen) {
    windows.UnloadAboutBox();
    EXPECT_EQ(windows.About(), nullptr);
    QPointer<AboutBox> opened;
    OpenAbout(windows, [&](AboutBox& box) {
        opened = &box;
        windows.UnloadAboutBox();
    });
    EXPECT_TRUE(opened.isNull());
}

}  // namespace
}  // namespace qv
