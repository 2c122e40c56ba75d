#include "ui/MessageBox.h"

#include <gtest/gtest.h>

#include "QtTestApp.h"

namespace qv {
namespace {

TEST(MessageBoxHook, AnswersEveryBoxAndReportsTheOnesNotExpected) {
    std::vector<QString> unexpected;
    MessageBox::AnswerAll(
        [&unexpected](const MessageBox::Shown& box) { unexpected.push_back(box.title); });
    MessageBox::ClearAnswered();
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    MessageBox::SetNextAnswer(QMessageBox::No);
    EXPECT_EQ(MessageBox::Show(nullptr, QStringLiteral("one"), QString()), QMessageBox::Yes);
    EXPECT_EQ(MessageBox::Show(nullptr, QStringLiteral("two"), QString()), QMessageBox::No);
    EXPECT_TRUE(unexpected.empty());
    EXPECT_EQ(MessageBox::Show(nullptr, QStringLiteral("three"), QString()), QMessageBox::NoButton)
        << "answered at once, not shown";
    EXPECT_EQ(unexpected, std::vector<QString>{QStringLiteral("three")});
    EXPECT_EQ(MessageBox::Answered().size(), 3);

    MessageBox::SetNextAnswer(QMessageBox::Ok);
    MessageBox::ClearAnswered();
    MessageBox::Show(nullptr, QStringLiteral("four"), QString());
    EXPECT_EQ(unexpected.size(), 2u) << "clearing drops the answers not used";
}

}  // namespace
}  // namespace qv
