#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "MessageBoxAnswers.h"
#include "ProfileText.h"
#include "QtTestApp.h"
#include "TempFolder.h"
#include "profiles/ProfileCommands.h"
#include "profiles/ProfileNameDialog.h"
#include "profiles/ProfileWriter.h"
#include "ui/MessageBox.h"

namespace qv {
namespace {

using test::MessageBoxAnswers;

class ProfileCommandsTest : public ::testing::Test {
protected:
    ProfileCommandsTest() {
        FillDefaults(*model);
        model->axes.Limits = {512, -512, 512, -512, 512, -512};
        rules.Changed = [this] { ++settingsLoaded; };
    }

    std::filesystem::path File(const char* name) const {
        return std::filesystem::path(folder.toStdString()) / name;
    }

    bool ModelIs(const Model& other) const {
        return model->KeyMap == other.KeyMap && model->KeyMapCombo == other.KeyMapCombo &&
               model->KeyLabel == other.KeyLabel &&
               model->axes.Limits.MinX == other.axes.Limits.MinX;
    }

    QTemporaryDir documents;
    QString folder = documents.filePath(QStringLiteral("Strategic Commander"));
    std::unique_ptr<Model> model = std::make_unique<Model>();
    SettingsRules rules{model->settings};
    // How many settings loads have set.
    int settingsLoaded = 0;
    ProfileNameDialog dialog;
    ProfileCommands commands{*model, rules, dialog, nullptr, folder};
};

TEST_F(ProfileCommandsTest, AFirstRunKeepsTheDefaultsSilently) {
    const auto before = std::make_unique<Model>(*model);
    MessageBoxAnswers::SetNextAnswer(QMessageBox::Ok);
    dialog.SetNextAnswer(QStringLiteral("never asked.qv1"));
    commands.LoadDefaultProfile = true;
    commands.menLoad_Click();
    EXPECT_FALSE(commands.LoadDefaultProfile);
    EXPECT_TRUE(dialog.AnswerPending());
    EXPECT_TRUE(MessageBoxAnswers::Answered().isEmpty());
    EXPECT_EQ(settingsLoaded, 0);
    EXPECT_TRUE(ModelIs(*before));
    EXPECT_FALSE(QDir(folder).exists());
}

TEST_F(ProfileCommandsTest, StartUpLoadsTheDefaultProfileWithoutTheDialog) {
    QDir().mkpath(folder);
    test::Put(File("Default.qv1"), test::Head() + test::Lines({0, 87, 0, 72, 105, 0}) +
                                       test::EmptyBlocks(101) + test::Lines({1}));
    commands.LoadDefaultProfile = true;
    commands.menLoad_Click();
    EXPECT_EQ(model->KeyLabel[0][0], "Hi");
    EXPECT_EQ(model->settings.chkSimMouse, 1);
    EXPECT_EQ(model->settings.chkMovement, 1);
}

TEST_F(ProfileCommandsTest, StartUpTakesTheDefaultProfileWhateverItsCase) {
    QDir().mkpath(folder);
    QDir(folder).mkdir(QStringLiteral("DEFAULT.QV1"));
    test::Put(File("default.qv1"),
              test::Head() + test::Lines({0, 87, 0, 72, 105, 0}) + test::EmptyBlocks(101));
    commands.LoadDefaultProfile = true;
    commands.menLoad_Click();
    EXPECT_EQ(model->KeyLabel[0][0], "Hi") << "the one match, the folder not counted";

    model->KeyLabel[0][0].clear();
    test::Put(File("DeFault.qv1"), test::Head() + test::EmptyBlocks(102));
    commands.LoadDefaultProfile = true;
    testing::internal::CaptureStderr();
    commands.menLoad_Click();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(model->KeyLabel[0][0], "") << "two matches: none is loaded";
    EXPECT_NE(said.find("\"DeFault.qv1\" \"default.qv1\""), std::string::npos) << said;
    EXPECT_TRUE(MessageBoxAnswers::Answered().isEmpty());
}

TEST_F(ProfileCommandsTest, ABadProfileIsRefusedAndChangesNothing) {
    QDir().mkpath(folder);
    test::Put(File("bad.qv1"), test::Head() + test::Lines({0, 87, 0, 0}) + test::Lines({0, 70000}));
    const auto before = std::make_unique<Model>(*model);
    dialog.SetNextAnswer(QStringLiteral("bad.qv1"));
    MessageBoxAnswers::SetNextAnswer(QMessageBox::Ok);
    commands.menLoad_Click();

    ASSERT_EQ(MessageBoxAnswers::Answered().size(), 1);
    const QString text = MessageBoxAnswers::Answered().first().text;
    EXPECT_TRUE(text.contains(folder + QStringLiteral("/bad.qv1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("line 18: a number outside"))) << text.toStdString();
    EXPECT_TRUE(ModelIs(*before));
    EXPECT_EQ(settingsLoaded, 0);

    dialog.SetNextAnswer(QString());
    commands.menLoad_Click();
    EXPECT_EQ(MessageBoxAnswers::Answered().size(), 1) << "no choice, no load";
}

TEST_F(ProfileCommandsTest, SavingAsksBeforeOverwriting) {
    dialog.SetNextAnswer(QStringLiteral("test"));
    commands.menSave_Click();
    EXPECT_EQ(test::Contents(File("test.qv1")), WriteProfile(*model, model->settings).bytes);
    EXPECT_TRUE(MessageBoxAnswers::Answered().isEmpty()) << "a new name is not asked about";

    model->KeyLabel[2][3] = "changed";
    const std::string saved = test::Contents(File("test.qv1"));
    dialog.SetNextAnswer(QStringLiteral("test.qv1"));
    MessageBoxAnswers::SetNextAnswer(QMessageBox::No);
    commands.menSave_Click();
    ASSERT_EQ(MessageBoxAnswers::Answered().size(), 1);
    const MessageBox::Shown question = MessageBoxAnswers::Answered().first();
    EXPECT_EQ(question.title, QStringLiteral("File Overwrite"));
    EXPECT_EQ(question.text,
              QStringLiteral("Are you sure you want to overwrite the existing file?"));
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(test::Contents(File("test.qv1")), saved);

    dialog.SetNextAnswer(QStringLiteral("test"));
    MessageBoxAnswers::SetNextAnswer(QMessageBox::Yes);
    commands.menSave_Click();
    EXPECT_EQ(test::Contents(File("test.qv1")), WriteProfile(*model, model->settings).bytes);
}

TEST_F(ProfileCommandsTest, ASaveThatCanNotBeDoneSaysWhy) {
    const auto refusal = [this](const QString& answer) {
        dialog.SetNextAnswer(answer);
        MessageBoxAnswers::ClearAnswered();
        MessageBoxAnswers::SetNextAnswer(QMessageBox::Ok);
        commands.menSave_Click();
        EXPECT_EQ(MessageBoxAnswers::Answered().size(), 1) << answer.toStdString();
        return MessageBoxAnswers::Answered().value(0).text;
    };
    EXPECT_TRUE(refusal(QStringLiteral("*.qv1")).contains(QStringLiteral("wildcard")));
    EXPECT_TRUE(refusal(QStringLiteral("sub/x")).contains(QStringLiteral("No such file")));
    model->KeyLabel[1][30] = std::string(300, 'x');
    EXPECT_TRUE(refusal(QStringLiteral("x")).contains(QStringLiteral("mode 1, slot 30")));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/x.qv1")));
}

TEST_F(ProfileCommandsTest, AProfileThatCanNotBeSavedIsNotOfferedForOverwriting) {
    QDir().mkpath(folder);
    test::Put(File("x.qv1"), "kept\r\n");
    model->KeyLabel[1][30] = std::string(300, 'x');
    dialog.SetNextAnswer(QStringLiteral("x"));
    MessageBoxAnswers::SetNextAnswer(QMessageBox::No);
    commands.menSave_Click();
    ASSERT_EQ(MessageBoxAnswers::Answered().size(), 1);
    EXPECT_EQ(MessageBoxAnswers::Answered().first().title, QStringLiteral("Save Profile"))
        << "the refusal, not the overwrite question";
    EXPECT_EQ(test::Contents(File("x.qv1")), "kept\r\n");
}

std::vector<std::string> Entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(ProfileCommandsTest, SavingALinkedProfileWritesWhereTheLinkPoints) {
    namespace fs = std::filesystem;
    QTemporaryDir sync;
    const fs::path synced = sync.path().toStdString();
    QDir().mkpath(folder);
    test::Put(synced / "real.qv1", "old\r\n");
    fs::permissions(synced / "real.qv1", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(synced / "real.qv1", File("chain.qv1"));
    fs::create_symlink("chain.qv1", File("linked.qv1"));
    const std::string profile = WriteProfile(*model, model->settings).bytes;

    dialog.SetNextAnswer(QStringLiteral("linked"));
    MessageBoxAnswers::SetNextAnswer(QMessageBox::Yes);
    commands.menSave_Click();
    ASSERT_EQ(MessageBoxAnswers::Answered().size(), 1);
    EXPECT_EQ(MessageBoxAnswers::Answered().first().title, QStringLiteral("File Overwrite"));
    EXPECT_EQ(test::Contents(synced / "real.qv1"), profile);
    EXPECT_TRUE(fs::is_symlink(File("linked.qv1")));
    EXPECT_TRUE(fs::is_symlink(File("chain.qv1")));
    EXPECT_EQ(fs::status(synced / "real.qv1").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    // The linked profile is not there yet (a sync that has not brought it): it is made where the
    // link points, as nothing is overwritten.
    fs::create_symlink(synced / "new.qv1", File("new.qv1"));
    dialog.SetNextAnswer(QStringLiteral("new"));
    commands.menSave_Click();
    EXPECT_EQ(MessageBoxAnswers::Answered().size(), 1);
    EXPECT_EQ(test::Contents(synced / "new.qv1"), profile);
    EXPECT_TRUE(fs::is_symlink(File("new.qv1")));
    EXPECT_EQ(Entries(synced), (std::vector<std::string>{"new.qv1", "real.qv1"}));
}

TEST_F(ProfileCommandsTest, AReadOnlyProfileIsRefusedWithoutAQuestion) {
    namespace fs = std::filesystem;
    QDir().mkpath(folder);
    test::Put(File("kept.qv1"), "kept\r\n");
    fs::permissions(File("kept.qv1"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    dialog.SetNextAnswer(QStringLiteral("kept"));
    MessageBoxAnswers::SetNextAnswer(QMessageBox::Ok);
    commands.menSave_Click();

    ASSERT_EQ(MessageBoxAnswers::Answered().size(), 1);
    const MessageBox::Shown refusal = MessageBoxAnswers::Answered().first();
    EXPECT_EQ(refusal.title, QStringLiteral("Save Profile"));
    EXPECT_TRUE(refusal.text.contains(folder + QStringLiteral("/kept.qv1")))
        << refusal.text.toStdString();
    EXPECT_TRUE(refusal.text.contains(QStringLiteral("read-only"))) << refusal.text.toStdString();
    EXPECT_EQ(test::Contents(File("kept.qv1")), "kept\r\n");
    EXPECT_EQ(Entries(File("")), std::vector<std::string>{"kept.qv1"}) << "no temporary left";
}

TEST_F(ProfileCommandsTest, NamesUpToTheFileSystemsLimitSave) {
    // Two-byte characters, so that a name's length in characters is not its length in bytes.
    for (const QString& typed : {QString(122, QChar(0xFC)) + QStringLiteral("ab"),
                                 QString(125, QChar(0xFC)) + QStringLiteral("a")}) {
        const QByteArray name = QFile::encodeName(typed + QStringLiteral(".qv1"));
        dialog.SetNextAnswer(typed);
        commands.menSave_Click();
        EXPECT_TRUE(MessageBoxAnswers::Answered().isEmpty())
            << name.size()
            << " bytes: " << MessageBoxAnswers::Answered().value(0).text.toStdString();
        EXPECT_EQ(test::Contents(File(name.constData())),
                  WriteProfile(*model, model->settings).bytes);
        MessageBoxAnswers::ClearAnswered();
    }
    EXPECT_EQ(Entries(File("")).size(), 2u);
}

}  // namespace
}  // namespace qv
