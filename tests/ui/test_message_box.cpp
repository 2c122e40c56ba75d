#include "ui/MessageBox.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>

#include "MessageBoxAnswers.h"
#include "QtTestApp.h"

namespace qv {
namespace {

using test::MessageBoxAnswers;

// What every test program on the test support relies on: no box is shown, each takes the answer
// its test queued, and one nobody queued an answer for fails the test that shows it.
TEST(MessageBoxHook, AnswersEveryBoxAndReportsTheOnesNotExpected) {
    MessageBoxAnswers::SetNextAnswer(QMessageBox::Yes);
    MessageBoxAnswers::SetNextAnswer(QMessageBox::No);
    EXPECT_EQ(MessageBox::Show(nullptr, QStringLiteral("one"), QString()), QMessageBox::Yes);
    EXPECT_EQ(MessageBox::Show(nullptr, QStringLiteral("two"), QString()), QMessageBox::No);
    EXPECT_NONFATAL_FAILURE(
        EXPECT_EQ(MessageBox::Show(nullptr, QStringLiteral("Load Profile"), QStringLiteral("bad")),
                  QMessageBox::NoButton),
        "an unexpected message box \"Load Profile\": bad");
    EXPECT_EQ(MessageBoxAnswers::Answered().size(), 3);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "none was shown";

    // Clearing drops the answers not used.
    MessageBoxAnswers::SetNextAnswer(QMessageBox::Ok);
    MessageBoxAnswers::ClearAnswered();
    EXPECT_NONFATAL_FAILURE(MessageBox::Show(nullptr, QStringLiteral("four"), QString()),
                            "\"four\"");
}

}  // namespace
}  // namespace qv
