#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "QtTestApp.h"
#include "profiles/Filename.h"

namespace qv {
namespace {

class FilenameTest : public ::testing::Test {
protected:
    FilenameTest() {
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
    Filename dialog;
};

TEST_F(FilenameTest, CancelChoosesNothingInEitherMode) {
    EXPECT_EQ(PopUp(true,
                    [this] {
                        dialog.txtFilename()->setText(QStringLiteral("typed"));
                        Click(dialog.CancelButton());
                    }),
              QString());
    EXPECT_EQ(PopUp(false,
                    [this] {
                        dialog.listConfigFiles()->setCurrentRow(0);
                        Click(dialog.CancelButton());
                    }),
              QString());
    EXPECT_EQ(PopUp(true, [this] { QTest::keyClick(&dialog, Qt::Key_Escape); }), QString());
    EXPECT_EQ(PopUp(true, [this] { dialog.close(); }), QString()) << "title-bar close button";
}

TEST_F(FilenameTest, OkAnswersTheText) {
    EXPECT_EQ(PopUp(true,
                    [this] {
                        EXPECT_EQ(dialog.OKButton()->text(), QStringLiteral("Save"));
                        EXPECT_EQ(QApplication::focusWidget(), dialog.txtFilename());
                        EXPECT_EQ(dialog.txtFilename()->selectedText(), QStringLiteral("*.qv1"));
                        QTest::keyClick(&dialog, Qt::Key_Return);
                    }),
              QStringLiteral("*.qv1"));
    EXPECT_EQ(PopUp(true,
                    [this] {
                        QTest::keyClicks(dialog.txtFilename(), QStringLiteral("mine"));
                        Click(dialog.OKButton());
                    }),
              QStringLiteral("mine"))
        << "OK left the focus in the text box, which selects its text when it comes back";
    EXPECT_EQ(PopUp(false, [this] { Click(dialog.OKButton()); }), QString());
}

TEST_F(FilenameTest, ListsProfilesAndAClickTakesTheName) {
    EXPECT_EQ(PopUp(false,
                    [this] {
                        EXPECT_FALSE(dialog.txtFilename()->isEnabled());
                        QListWidget* list = dialog.listConfigFiles();
                        ASSERT_EQ(list->count(), 2);
                        EXPECT_EQ(list->item(0)->text(), QStringLiteral("A.QV1"));
                        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                          list->visualItemRect(list->item(1)).center());
                        EXPECT_EQ(dialog.txtFilename()->text(), QStringLiteral("b.qv1"));
                        list->clearSelection();
                        EXPECT_EQ(dialog.txtFilename()->text(), QStringLiteral("b.qv1"));
                        Click(dialog.OKButton());
                    }),
              QStringLiteral("b.qv1"));
    EXPECT_EQ(PopUp(true,
                    [this] {
                        QListWidget* list = dialog.listConfigFiles();
                        const QPoint a = list->visualItemRect(list->item(0)).center();
                        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, a);
                        dialog.txtFilename()->setText(QStringLiteral("typed"));
                        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, a);
                        Click(dialog.OKButton());
                    }),
              QStringLiteral("A.QV1"))
        << "a click on the file already selected takes its name again";
}

}  // namespace
}  // namespace qv
