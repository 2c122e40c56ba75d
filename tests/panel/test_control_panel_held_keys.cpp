#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "PanelHarness.h"
#include "keys/AssignmentDialog.h"
#include "profiles/ProfileWriter.h"

#include "RealKeyboard.h"

namespace qv {
namespace {

test::RealKeyboard keyboard;

// The panel on a desktop of its own, driven by a hand on the keyboard that holds keys down until
// the X server repeats them.
class HeldKeys : public ::testing::Test {
protected:
    void SetUp() override {
        if (!keyboard.WhyNot().empty()) {
            GTEST_SKIP() << keyboard.WhyNot();
        }
        h.Start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(h.panel.get()));
    }

    // Opens the menu that holds `item` with a click on its title, then goes down to the item.
    void WalkTo(QAction* item) {
        QMenuBar* bar = h.panel->menuBar();
        for (QAction* title : bar->actions()) {
            if (title->menu()->actions().contains(item)) {
                keyboard.Click(bar->mapToGlobal(bar->actionGeometry(title).center()));
                ASSERT_TRUE(QTest::qWaitFor([title] { return title->menu()->isVisible(); }));
            }
        }
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (int down = 0; down < 4 && menu->activeAction() != item; ++down) {
            keyboard.Tap(XK_Down);
        }
        ASSERT_EQ(menu->activeAction(), item);
    }

    // Clicks slot button `slot` and runs `whileOpen` once the assignment dialog has put the focus
    // on OK, as it does a moment after it opens.
    void WithSlotOpen(int slot, const std::function<void(AssignmentDialog&)>& whileOpen) {
        QTimer::singleShot(0, h.panel.get(), [&] {
            auto* keys = qobject_cast<AssignmentDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(keys, nullptr);
            ASSERT_TRUE(QTest::qWaitFor([keys] { return keys->Controls().btnOK->hasFocus(); }));
            whileOpen(*keys);
            if (keys->isVisible()) {
                keys->reject();
            }
        });
        QTest::mouseClick(h.Controls().btnKEY[static_cast<std::size_t>(slot)], Qt::LeftButton);
    }

    test::PanelHarness h;
};

// File > "Load Profile", "Save Profile" and Miscellaneous > "About", each chosen with an Enter
// held down: its repeats neither load the listed profile, nor save the preset "*.qv1", nor close
// the About box. Escape then closes the window.
TEST_F(HeldKeys, TheEnterThatChoseACommandDoesNothingInTheWindowItOpens) {
    QFile profile(QDir(h.folder.path()).filePath(QStringLiteral("Mine.qv1")));
    ASSERT_TRUE(profile.open(QIODevice::WriteOnly));
    profile.write(QByteArray::fromStdString(WriteProfile(h.app.model, h.app.model.settings).bytes));
    profile.close();
    // An edit that loading the profile would undo.
    QTest::mouseClick(h.Controls().chkMovement, Qt::LeftButton);
    const int edited = h.Controls().chkMovement->Value();

    for (QAction* item : {h.Menus().menLoad, h.Menus().menSave, h.Menus().mnuAbout}) {
        const std::string name = item->text().toStdString();
        WalkTo(item);
        keyboard.Hold(XK_Return, [&](int repeats) {
            EXPECT_GT(repeats, 0) << name;
            const QPointer<QWidget> window = QApplication::activeModalWidget();
            ASSERT_NE(window, nullptr) << name << ": closed by the repeats";
            EXPECT_EQ(h.Controls().chkMovement->Value(), edited) << name << ": nothing loaded";
            keyboard.Tap(XK_Escape);
            EXPECT_TRUE(window.isNull() || !window->isVisible()) << name;
        });
    }
    EXPECT_EQ(h.Controls().chkMovement->Value(), edited);
}

// Enter on a key button enters the key and puts the focus on OK; held on, it must not press OK.
TEST_F(HeldKeys, EnterHeldOnAKeyButtonEntersTheKeyOnce) {
    const int32_t stored = h.app.model.KeyMap[0][7][1];
    WithSlotOpen(7, [](AssignmentDialog& keys) {
        const AssignmentControls& c = keys.Controls();
        for (int tab = 0; tab < 40 && !c.VK[4]->hasFocus(); ++tab) {
            keyboard.Tap(XK_Tab);
        }
        ASSERT_TRUE(c.VK[4]->hasFocus()) << "MOUSE MIDDLE";
        keyboard.Hold(XK_Return, [&](int repeats) {
            EXPECT_GT(repeats, 0);
            ASSERT_TRUE(keys.isVisible()) << "OK pressed by the repeats";
            EXPECT_TRUE(c.btnOK->hasFocus());
            QStringList shown;
            for (QLabel* label : c.lblOutput) {
                if (!label->isHidden()) {
                    shown << label->text();
                }
            }
            EXPECT_EQ(shown, QStringList{QStringLiteral("MOUSE MIDDLE")});
        });
    });
    EXPECT_EQ(h.app.model.KeyMap[0][7][1], stored) << "the dialog was cancelled";
}

// Escape held to cancel the assignment dialog, and Enter held on its OK: the repeats that reach
// the panel once the dialog has gone neither end the program nor start the engine.
TEST_F(HeldKeys, AKeyHeldToCloseADialogDoesNotRepeatIntoThePanel) {
    WithSlotOpen(7, [this](AssignmentDialog& keys) {
        keyboard.Hold(XK_Escape, [&](int repeats) {
            EXPECT_GT(repeats, 0);
            EXPECT_FALSE(keys.isVisible());
            EXPECT_FALSE(h.panel->Unloaded());
        });
    });
    WithSlotOpen(7, [this](AssignmentDialog& keys) {
        keyboard.Hold(XK_Return, [&](int repeats) {
            EXPECT_GT(repeats, 0);
            EXPECT_FALSE(keys.isVisible());
            EXPECT_FALSE(h.tray.shown) << "the engine started";
        });
    });
    keyboard.Tap(XK_Return);
    EXPECT_TRUE(h.tray.shown) << "a fresh press starts it";
}

}  // namespace
}  // namespace qv
