#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>

#include "QtTestApp.h"
#include "about/WebPageWindow.h"

namespace qv {
namespace {

const QColor kPageColour(30, 144, 255);

// The web-page window with the real engine shows a page from disk: its colour fills the view.
TEST(WebPage, TheEngineDrawsALocalPageIntoTheWindow) {
    QCoreApplication::addLibraryPath(QStringLiteral(QV_WEB_PLUGIN_DIR));
    QTemporaryDir dir;
    QFile page(dir.filePath(QStringLiteral("page.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(QStringLiteral("<html><body style='margin:0;background:%1'><p>Quorvane</p></body>"
                              "</html>")
                   .arg(kPageColour.name())
                   .toUtf8());
    page.close();

    WebPageWindow window(LoadWebBrowser);
    window.Navigate(QUrl::fromLocalFile(page.fileName()).toString());
    window.show();

    QImage shown;
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && window.Message().isEmpty()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
        shown = window.grab().toImage();
        if (shown.pixelColor(shown.rect().center()) == kPageColour) {
            break;
        }
    }
    if (!window.Message().isEmpty()) {
        GTEST_SKIP() << "the web engine cannot run here: " << window.Message().toStdString();
    }
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(shown.rect().center()), kPageColour) << "the page was drawn";
    EXPECT_EQ(shown.pixelColor(shown.width() - 2, shown.height() - 2), kPageColour)
        << "over the whole client area";
}

}  // namespace
}  // namespace qv
