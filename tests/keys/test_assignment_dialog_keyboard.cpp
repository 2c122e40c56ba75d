#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "AssignmentHarness.h"
#include "profiles/ProfileWriter.h"

namespace qv {
namespace {

using Steps = std::vector<int32_t>;

constexpr int kA = 65;

class AssignmentKeyboard : public ::testing::Test {
protected:
    // Activates the dialog, as the desktop does on showing it, and puts the text cursor at the
    // end of the function text, as a click and End do.
    void ClickIntoText() {
        h.keys.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&h.keys));
        // The display tick that the opening armed passes before the person clicks.
        if (h.keys.Timer1().isActive()) {
            h.keys.Timer1_Timer();
        }
        QTest::mouseClick(c.txtKeyFunction, Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), c.txtKeyFunction);
        Type(Qt::Key_End);
    }
    static void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << "the dialog has closed";
        QTest::keyClick(focused, key, modifiers);
    }
    // Each character by its own key; one beyond ASCII as a keyboard layout that has it types it.
    static void Type(const QString& text) {
        for (const QChar character : text) {
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr) << "the dialog has closed";
            if (character.unicode() < 0x80) {
                QTest::keyClick(focused, character.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, focused, Qt::Key_unknown, QString(character),
                                    Qt::NoModifier);
            }
        }
    }

    test::AssignmentHarness h;
    Model& model = h.model;
    const AssignmentControls& c = h.Controls();
};

// Enter in the function text neither enters a key nor closes the dialog, in either mode.
TEST_F(AssignmentKeyboard, EnterInTheFunctionTextDoesNothing) {
    test::SetSlot(model, 0, 20, {{1}, {kA}});
    for (const int slot : {7, 20}) {
        const Model before = model;
        h.Open(slot, 0, [&] {
            const QStringList shown = h.Shown();
            ClickIntoText();
            Type(" Jet");
            Type(Qt::Key_Return);
            Type(Qt::Key_Enter, Qt::KeypadModifier);
            Type(Qt::Key_Return);
            EXPECT_TRUE(h.keys.isVisible());
            EXPECT_EQ(h.Shown(), shown);
            EXPECT_EQ(QApplication::focusWidget(), c.txtKeyFunction);
            EXPECT_TRUE(h.keys.FunctionText().endsWith(" Jet"));
            h.Click(c.btnOK);
        });
        EXPECT_EQ(model.KeyMap, before.KeyMap) << slot;
    }
}

// Switching to another window and back, or a minimise undone, leaves the focus in the text: the
// next Space is typed, it does not press OK.
TEST_F(AssignmentKeyboard, ComingBackFromAnotherWindowKeepsTheFocusInTheText) {
    h.Open(7, 0, [&] {
        ClickIntoText();
        Type("Jump");
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        ASSERT_FALSE(h.keys.isActiveWindow());
        h.keys.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&h.keys));
        // The display tick that the opening armed passes before the person clicks.
        if (h.keys.Timer1().isActive()) {
            h.keys.Timer1_Timer();
        }
        // A minimise that the panel undoes: the desktop shows the dialog again.
        QShowEvent shownAgain;
        QApplication::sendEvent(&h.keys, &shownAgain);
        // Had the return or the show armed the display tick, it would run now.
        if (h.keys.Timer1().isActive()) {
            h.keys.Timer1_Timer();
        }
        EXPECT_EQ(QApplication::focusWidget(), c.txtKeyFunction);
        Type(" Jet");
        EXPECT_TRUE(h.keys.isVisible());
        EXPECT_TRUE(h.keys.FunctionText().endsWith("Jump Jet"));
    });
}

// The text box takes only what a profile can store: other characters are dropped, typed or
// pasted, and the label then saves.
TEST_F(AssignmentKeyboard, FunctionTextKeepsToTheProfilesCodePage) {
    h.Open(7, 0, [&] {
        ClickIntoText();
        Type(Qt::Key_A, Qt::ControlModifier);
        Type(QString::fromUtf8("Caf\u00E9 \u03A9\u20AC"));
        EXPECT_EQ(h.keys.FunctionText(), QString::fromUtf8("Caf\u00E9 \u20AC"));
        QApplication::clipboard()->setText(QString::fromUtf8(" \u0416\u4E2D\U0001F600ole"));
        Type(Qt::Key_Home);
        Type(Qt::Key_Right);
        Type(Qt::Key_V, Qt::ControlModifier);
        Type("!");
        EXPECT_EQ(h.keys.FunctionText(), QString::fromUtf8("C ole!af\u00E9 \u20AC"));
        h.Click(c.btnOK);
    });
    model.KeyLabel[0][7] = h.keys.FunctionText().toStdString();
    const ProfileWriteResult written = WriteProfile(model, model.settings);
    EXPECT_FALSE(written.error) << written.error->Message();
}

// Key presses made without a time stamp are each a press of their own: Enter on a key button
// enters the key and moves the focus to OK, and the next Enter presses OK.
TEST_F(AssignmentKeyboard, EachEnterOfTheTestsOwnActs) {
    h.Open(7, 0, [&] {
        h.keys.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&h.keys));
        for (int tab = 0; tab < 40 && QApplication::focusWidget() != c.VK[4]; ++tab) {
            Type(Qt::Key_Tab);
        }
        ASSERT_EQ(QApplication::focusWidget(), c.VK[4]) << "MOUSE MIDDLE";
        Type(Qt::Key_Return);
        EXPECT_EQ(h.Shown(), QStringList{"MOUSE MIDDLE"});
        Type(Qt::Key_Return);
        EXPECT_FALSE(h.keys.isVisible());
    });
    EXPECT_EQ(h.Stored(0, 7, 2), (Steps{0, 4, 0}));
}

}  // namespace
}  // namespace qv
