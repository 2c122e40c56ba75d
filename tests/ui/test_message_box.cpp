#include "ui/MessageBox.h"

#include <gtest/gtest.h>

#include "QtTestApp.h"

namespace qv {
namespace {

TEST(MessageBoxHook, AnswersEveryBoxAndReportsTheOnesNotExpected) {
    std::vector<QString> unexpected;
    MessageBox::answerAll(
        [&unexpected](const MessageBox::Shown& box) { unexpected.push_back(box.title); });
    MessageBox::clearAnswered();
    MessageBox::setNextAnswer(QMessageBox::Yes);
    MessageBox::setNextAnswer(QMessageBox::No);
    EXPECT_EQ(MessageBox::show(nullptr, QStringLiteral("one"), QString()), QMessageBox::Yes);
    EXPECT_EQ(MessageBox::show(nullptr, QStringLiteral("two"), QString()), QMessageBox::No);
    EXPECT_TRUE(unexpected.empty());
    EXPECT_EQ(MessageBox::show(nullptr, QStringLiteral("three"), QString()), QMessageBox::NoButton)
        << "answered at once, not shown";
    EXPECT_EQ(unexpected, std::vector<QString>{QStringLiteral("three")});
    EXPECT_EQ(MessageBox::answered().size(), 3);

    MessageBox::setNextAnswer(QMessageBox::Ok);
    MessageBox::clearAnswered();
    MessageBox::show(nullptr, QStringLiteral("four"), QString());
    EXPECT_EQ(unexpected.size(), 2u) << "clearing drops the answers not used";
}

}  // namespace
}  // namespace qv
