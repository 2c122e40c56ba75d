#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QTemporaryDir>
#include <QWidget>
#include <string>

#include "QtTestApp.h"
#include "about/AboutWindows.h"
#include "about/WebAddresses.h"

Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();

namespace qv {
namespace {

// The program looks for its web plugin once per run, so this is a program of its own, and a
// repetition of the test finds the folder and the lines of that one look.
TEST(WebPluginMissing, ThePageWindowSaysSoAndNothingOfTheEngineIsSetUp) {
    static const QTemporaryDir empty;
    static std::string errors;
    const QStringList libraryPaths = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({empty.path()});
    QWidget panel;
    AboutWindows windows{panel};
    testing::internal::CaptureStderr();
    windows.mnuUpdate_Click();
    errors += testing::internal::GetCapturedStderr();
    QCoreApplication::setLibraryPaths(libraryPaths);

    ASSERT_NE(windows.WebPage(), nullptr);
    const QString message = windows.WebPage()->Message();
    EXPECT_TRUE(message.startsWith(QStringLiteral("This window cannot show web pages.")));
    EXPECT_TRUE(message.contains(QString::fromStdString(UpdateAddress())));
    EXPECT_EQ(qt_gl_global_share_context(), nullptr) << "no OpenGL driver loaded for nothing";
    EXPECT_EQ(errors.find("sandbox"), std::string::npos) << errors;
    EXPECT_NE(errors.find("quorvane-web.so"), std::string::npos) << errors;
    EXPECT_NE(errors.find(empty.path().toStdString()), std::string::npos)
        << "the folders it looked in: " << errors;
    EXPECT_NE(errors.find("lib/quorvane"), std::string::npos) << errors;
}

}  // namespace
}  // namespace qv
