#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <optional>

#include "QtTestApp.h"
#include "ui/MessageBox.h"

#include "RealKeyboard.h"

namespace qv {
namespace {

test::RealKeyboard keyboard;

// The overwrite question comes up while the Enter that pressed "Save" is still held: the
// desktop's repeats of that Enter must not answer it. A fresh press does.
TEST(MessageBoxKeys, TheRepeatsOfAKeyHeldDownAnswerNothing) {
    if (!keyboard.WhyNot().empty()) {
        GTEST_SKIP() << keyboard.WhyNot();
    }
    const test::RealMessageBoxes shown;
    QDialog saving;
    auto* save = new QPushButton(QStringLiteral("Save"), &saving);
    save->setDefault(true);
    std::optional<QMessageBox::StandardButton> answer;
    QObject::connect(save, &QPushButton::clicked, [&] {
        answer = MessageBox::Show(
            &saving, QStringLiteral("File Overwrite"),
            QStringLiteral("Are you sure you want to overwrite the existing file?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    });
    saving.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&saving));

    keyboard.Hold(XK_Return, [&](int repeats) {
        EXPECT_GT(repeats, 0);
        EXPECT_FALSE(answer.has_value()) << "answered by a repeat";
        if (QWidget* box = QApplication::activeModalWidget()) {
            keyboard.Tap(XK_Return);
            if (box->isVisible()) {
                ADD_FAILURE() << "a fresh press answers nothing";
                box->close();
            }
        }
    });
    EXPECT_EQ(answer, QMessageBox::Yes);
}

}  // namespace
}  // namespace qv
