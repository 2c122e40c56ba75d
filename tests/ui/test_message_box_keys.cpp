#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "HeldKey.h"
#include "QtTestApp.h"
#include "ui/MessageBox.h"

namespace qv {
namespace {

// The overwrite question comes up right after Enter pressed "Save": the repeats of that Enter,
// or of an Escape held as long, must not answer it. A fresh press does.
TEST(MessageBoxKeys, TheRepeatsOfAKeyHeldDownAnswerNothing) {
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(box));
        test::HeldKeyRepeats(box->focusWidget(), Qt::Key_Return, 1000);
        test::HeldKeyRepeats(box->focusWidget(), Qt::Key_Escape, 2000);
        EXPECT_TRUE(box->isVisible());
        test::SendKey(box->focusWidget(), QEvent::KeyPress, Qt::Key_Escape, false, 3000);
        if (box->isVisible()) {
            ADD_FAILURE() << "a fresh Escape answers";
            box->close();
        }
    });
    EXPECT_EQ(
        MessageBox::Show(nullptr, QStringLiteral("File Overwrite"),
                         QStringLiteral("Are you sure you want to overwrite the existing file?"),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
        QMessageBox::No);
}

}  // namespace
}  // namespace qv
