#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "QtTestApp.h"
#include "profiles/ProfileNameDialog.h"

namespace qv {
namespace {

class ProfileNameDialogTest : public ::testing::Test {
protected:
    ProfileNameDialogTest() {
        for (const char* name : {"b.qv1", "A.QV1", "c.txt", ".hidden.qv1"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            file.open(QIODevice::WriteOnly);
        }
        QDir(folder.path()).mkdir(QStringLiteral("d.qv1"));
    }

    // Opens the dialog as the load or save command prepares it, and lets `act` answer it.
    QString PopUp(bool save, const std::function<void()>& act) {
        dialog.Prepare(
            save ? QStringLiteral("Save Config File") : QStringLiteral("Load Config File"),
            folder.path(), save ? QStringLiteral("*.qv1") : QString(), save);
        QTimer::singleShot(0, &dialog, [this, act] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            act();
        });
        return dialog.PopUp(save ? QStringLiteral("Save") : QStringLiteral("Load"));
    }

    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QTemporaryDir folder;
    ProfileNameDialog dialog;
};

TEST_F(ProfileNameDialogTest, CancelChoosesNothingInEitherMode) {
    EXPECT_EQ(PopUp(true,
                    [this] {
                        dialog.NameBox()->setText(QStringLiteral("typed"));
                        Click(dialog.CancelButton());
                    }),
              QString());
    EXPECT_EQ(PopUp(false,
                    [this] {
                        dialog.FileList()->setCurrentRow(0);
                        Click(dialog.CancelButton());
                    }),
              QString());
    EXPECT_EQ(PopUp(true, [this] { QTest::keyClick(&dialog, Qt::Key_Escape); }), QString());
    EXPECT_EQ(PopUp(true, [this] { dialog.close(); }), QString()) << "title-bar close button";
}

TEST_F(ProfileNameDialogTest, OkAnswersTheText) {
    EXPECT_EQ(PopUp(true,
                    [this] {
                        EXPECT_EQ(dialog.OKButton()->text(), QStringLiteral("Save"));
                        EXPECT_EQ(QApplication::focusWidget(), dialog.NameBox());
                        EXPECT_EQ(dialog.NameBox()->selectedText(), QStringLiteral("*.qv1"));
                        QTest::keyClick(&dialog, Qt::Key_Return);
                    }),
              QStringLiteral("*.qv1"));
    EXPECT_EQ(PopUp(true,
                    [this] {
                        QTest::keyClicks(dialog.NameBox(), QStringLiteral("mine"));
                        Click(dialog.OKButton());
                    }),
              QStringLiteral("mine"))
        << "OK left the focus in the text box, which selects its text when it comes back";
    for (const char* name : {"b.qv1", "A.QV1"}) {
        QFile::remove(folder.filePath(QString::fromLatin1(name)));
    }
    EXPECT_EQ(PopUp(false, [this] { Click(dialog.OKButton()); }), QString())
        << "a load with no file to choose";
}

TEST_F(ProfileNameDialogTest, ListsProfilesAndAClickTakesTheName) {
    EXPECT_EQ(PopUp(false,
                    [this] {
                        EXPECT_FALSE(dialog.NameBox()->isEnabled());
                        QListWidget* list = dialog.FileList();
                        ASSERT_EQ(list->count(), 2);
                        EXPECT_EQ(list->item(0)->text(), QStringLiteral("A.QV1"));
                        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                          list->visualItemRect(list->item(1)).center());
                        EXPECT_EQ(dialog.NameBox()->text(), QStringLiteral("b.qv1"));
                        list->clearSelection();
                        EXPECT_EQ(dialog.NameBox()->text(), QStringLiteral("b.qv1"));
                        Click(dialog.OKButton());
                    }),
              QStringLiteral("b.qv1"));
    EXPECT_EQ(PopUp(true,
                    [this] {
                        QListWidget* list = dialog.FileList();
                        const QPoint a = list->visualItemRect(list->item(0)).center();
                        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, a);
                        dialog.NameBox()->setText(QStringLiteral("typed"));
                        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, a);
                        Click(dialog.OKButton());
                    }),
              QStringLiteral("A.QV1"))
        << "a click on the file already selected takes its name again";
}

TEST_F(ProfileNameDialogTest, ASaveAfterALoadTypesIntoTheName) {
    EXPECT_EQ(PopUp(false,
                    [this] {
                        EXPECT_EQ(QApplication::focusWidget(), dialog.FileList());
                        EXPECT_EQ(dialog.NameBox()->text(), QStringLiteral("A.QV1"))
                            << "the first file is chosen";
                        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    }),
              QStringLiteral("A.QV1"));
    EXPECT_EQ(PopUp(true,
                    [this] {
                        EXPECT_EQ(QApplication::focusWidget(), dialog.NameBox());
                        EXPECT_EQ(dialog.NameBox()->selectedText(), QStringLiteral("*.qv1"));
                        // Typed into the list, "b" would pick b.qv1 for the overwrite.
                        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("bee"));
                        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    }),
              QStringLiteral("bee"));
}

TEST_F(ProfileNameDialogTest, ADoubleClickOnAFileChoosesIt) {
    for (const bool save : {false, true}) {
        EXPECT_EQ(PopUp(save,
                        [this] {
                            QListWidget* list = dialog.FileList();
                            const QPoint b = list->visualItemRect(list->item(1)).center();
                            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, b);
                            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, b);
                            if (dialog.isVisible()) {
                                ADD_FAILURE() << "the double click left the dialog open";
                                Click(dialog.OKButton());
                            }
                        }),
                  QStringLiteral("b.qv1"));
    }
}

}  // namespace
}  // namespace qv
