#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QUrl>
#include <QWidget>

#include "FakeWebBrowser.h"
#include "QtTestApp.h"
#include "about/AboutWindows.h"
#include "about/BrowserSandbox.h"
#include "about/WebAddresses.h"

namespace qv {
namespace {

const char kDonation[] =
    "https://pay.quorvane.example/cgi-bin/webscr?cmd=_donations"
    "&business=donate%40quorvane%2eexample&item_name=Quorvane&no_shipping=0&no_note=1&tax=0"
    "&currency_code=AUD&lc=AU&bn=PP%2dDonationsBF&charset=UTF%2d8";
const char kUpdate[] = "http://www.quorvane.example/QV WEB/";

TEST(WebAddresses, TheDonationQueryIsInTheServicesOrderAndEncoding) {
    EXPECT_EQ(DonationAddress(), kDonation);
    EXPECT_EQ(UpdateAddress(), kUpdate);
    EXPECT_EQ(PercentEncoded("a b.c@d-e_f"), "a%20b%2ec%40d%2de%5ff");
    EXPECT_EQ(PercentEncoded("\xC3\xA9"), "%c3%a9") << "each byte of a UTF-8 character";
}

class WebPageWindowTest : public ::testing::Test {
protected:
    QWidget panel;
    test::FakeBrowsers browsers;
    AboutWindows windows{panel, browsers.Source()};
};

TEST_F(WebPageWindowTest, EachMenuEntrySetsItsCaptionAndPageInTheOneWindow) {
    windows.mnuDonate_Click();
    WebPageWindow* window = windows.WebPage();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Donation for Quorvane"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->parentWidget(), nullptr) << "no owner window";
    ASSERT_EQ(browsers.last->visited.size(), 1u);
    EXPECT_EQ(window->LocationURL(), QString(kDonation));
    EXPECT_EQ(browsers.last->visited[0], QUrl(QString(kDonation)))
        << "the same address, though the browser writes %2e as the full stop it stands for";

    windows.mnuUpdate_Click();
    EXPECT_EQ(windows.WebPage(), window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Check for Quorvane updates"));
    EXPECT_EQ(window->LocationURL(), QString(kUpdate));

    windows.mnuDonate_Click();
    EXPECT_EQ(windows.WebPage(), window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Donation for Quorvane"));
    EXPECT_EQ(browsers.made, 1) << "one browser for all three pages";
    EXPECT_EQ(browsers.last->visited.size(), 3u);
}

// A minimised window whose menu entry is chosen again comes back, in front and active, where
// the person can see that the choice did something.
TEST_F(WebPageWindowTest, AMinimisedWindowComesBackWhenChosenAgain) {
    windows.mnuDonate_Click();
    WebPageWindow* window = windows.WebPage();
    window->showMinimized();
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    windows.mnuUpdate_Click();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Check for Quorvane updates"));
}

TEST_F(WebPageWindowTest, TheBrowserCoversTheFixedClientAreaUnderTheProgramIcon) {
    windows.mnuUpdate_Click();
    WebPageWindow* window = windows.WebPage();
    EXPECT_EQ(window->size(), QSize(800, 632));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "not resizable";
    EXPECT_EQ(browsers.last->Widget()->geometry(), window->rect());
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_TRUE(window->Message().isEmpty());
}

// Closing the window unloads it; the next choice loads a new one.
TEST_F(WebPageWindowTest, ClosedByTheUserItIsLoadedAnewAndTheShutDownUnloadsIt) {
    windows.mnuDonate_Click();
    QPointer<WebPageWindow> first = windows.WebPage();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    windows.mnuUpdate_Click();
    QPointer<WebPageWindow> second = windows.WebPage();
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(browsers.made, 2);
    windows.UnloadWebPage();
    EXPECT_TRUE(second.isNull()) << "gone at once, as the program may end next";
    windows.UnloadWebPage();
    EXPECT_EQ(browsers.made, 2) << "the shut-down loads no window";
}

TEST_F(WebPageWindowTest, WithoutABrowserTheClientAreaSaysWhyAndWhereThePageIs) {
    browsers.whyNot = QStringLiteral("no engine here");
    windows.mnuUpdate_Click();
    WebPageWindow* window = windows.WebPage();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Check for Quorvane updates"));
    EXPECT_TRUE(window->Message().contains(QStringLiteral("no engine here")));
    EXPECT_TRUE(window->Message().contains(QString(kUpdate)));
    windows.mnuDonate_Click();
    EXPECT_TRUE(window->Message().contains(QString(kDonation))) << "the page it was last sent to";
}

TEST_F(WebPageWindowTest, ABrowserThatStopsGivesWayToTheMessageUntilTheNextPage) {
    windows.mnuDonate_Click();
    WebPageWindow* window = windows.WebPage();
    test::FakeWebBrowser* browser = browsers.last;
    browser->Stopped(QStringLiteral("the renderer ended"));
    EXPECT_TRUE(window->Message().contains(QStringLiteral("the renderer ended")));
    EXPECT_TRUE(browser->Widget()->isHidden());
    windows.mnuUpdate_Click();
    EXPECT_TRUE(window->Message().isEmpty());
    EXPECT_FALSE(browser->Widget()->isHidden());
}

TEST(BrowserSandbox, GoesOffOnlyWhereTheBrowserCouldNotStartWithIt) {
    EXPECT_EQ(SandboxOffReason({.root = false, .userNamespaces = true, .alreadyOff = false}), "");
    EXPECT_NE(SandboxOffReason({.root = true, .userNamespaces = true, .alreadyOff = false}), "");
    EXPECT_NE(SandboxOffReason({.root = false, .userNamespaces = false, .alreadyOff = false}), "");
    EXPECT_EQ(SandboxOffReason({.root = true, .userNamespaces = false, .alreadyOff = true}), "")
        << "switched off by the user already: nothing to say";
}

}  // namespace
}  // namespace qv
