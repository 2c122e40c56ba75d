#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "QtTestApp.h"

namespace qv {
namespace {

QString Finish(QProcess& program) {
    EXPECT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    return QString::fromUtf8(program.readAllStandardOutput());
}

TEST(FakeProgram, ShowsThePanelPreviewingAndEndsThroughExit) {
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("panel.png"));
    QProcess program;
    program.start(
        QStringLiteral(QV_FAKE_PROGRAM),
        {QStringLiteral("--run-ms"), QStringLiteral("300"), QStringLiteral("--grab"), picture});
    const QString out = Finish(program);
    EXPECT_EQ(program.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("shown"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("controller closed 1, key downs 0, sink closed 1")))
        << "the shown panel sends nothing: " << out.toStdString();

    const QImage panel(picture);
    EXPECT_EQ(panel.width(), 505);
    EXPECT_GT(panel.height(), 513) << "the client area and the menu bar";
}

TEST(FakeProgram, ATerminationSignalEndsItAsTheTraysExit) {
    QProcess program;
    program.start(QStringLiteral(QV_FAKE_PROGRAM), {QStringLiteral("--idle")});
    ASSERT_TRUE(program.waitForReadyRead(30000));
    ASSERT_TRUE(program.canReadLine());
    EXPECT_EQ(program.readLine().trimmed(), QByteArray("shown"));
    program.terminate();
    const QString out = Finish(program);
    EXPECT_EQ(program.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("controller closed 1"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("sink closed 1"))) << out.toStdString();
}

}  // namespace
}  // namespace qv
