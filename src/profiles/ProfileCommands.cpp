#include "profiles/ProfileCommands.h"

#include <QFile>
#include <QStandardPaths>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "profiles/ProfileFile.h"
#include "profiles/ProfileNameDialog.h"
#include "profiles/ProfileReader.h"
#include "profiles/ProfileWriter.h"
#include "ui/MessageBox.h"

namespace qv {

namespace {

std::filesystem::path LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FromLocal(const std::string& text) {
    return QFile::decodeName(QByteArray::fromStdString(text));
}

constexpr const char* kDefaultName = "Default.qv1";

// Which of several look-alikes was meant can't be guessed, so none is loaded; stderr says why,
// since a start-up has no window to say it in yet.
void TellAmbiguousDefault(const std::vector<std::string>& found) {
    if (found.size() < 2) {
        return;
    }
    std::cerr << "Quorvane: no \"" << kDefaultName << "\" to load, and several profiles differ "
              << "from it only in case, so none was loaded:";
    for (const std::string& name : found) {
        std::cerr << " \"" << name << "\"";
    }
    std::cerr << std::endl;
}

}  // namespace

QString ProfileFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
           QStringLiteral("/Strategic Commander");
}

ProfileCommands::ProfileCommands(Model& model, SettingsRules& rules, ProfileNameDialog& dialog,
                                 QWidget* parent, QString folder)
    : model_(model), rules_(rules), dialog_(dialog), parent_(parent), folder_(std::move(folder)) {}

void ProfileCommands::menLoad_Click() {
    dialog_.Prepare(QStringLiteral("Load Config File"), folder_, QString(), false);
    const QString folder = dialog_.ListFolder();
    const bool startUp = LoadDefaultProfile;
    QString name;
    if (LoadDefaultProfile) {
        name = QString::fromLatin1(kDefaultName);
        LoadDefaultProfile = false;
    } else {
        name = dialog_.PopUp(QStringLiteral("Load"));
    }
    if (IsNoChoice(name.toStdString())) {
        return;
    }
    QString path = folder + QStringLiteral("/") + name;
    std::error_code error;
    if (startUp && !std::filesystem::exists(LocalPath(path), error)) {
        // A first run has no profile yet, and the built-in defaults stand. But file names here
        // tell case apart, and a user who saved "default" means this one.
        const std::vector<std::string> found = NamesIgnoringCase(LocalPath(folder), kDefaultName);
        if (found.size() != 1) {
            TellAmbiguousDefault(found);
            return;
        }
        path = folder + QStringLiteral("/") + FromLocal(found.front());
    }
    const ProfileReadResult read = ReadProfileFile(LocalPath(path));
    if (!read.profile) {
        MessageBox::Show(parent_, QStringLiteral("Load Profile"),
                         QStringLiteral("The profile \"%1\" can't be loaded:\r%2")
                             .arg(path, FromLocal(read.error.Message())));
        return;
    }
    ApplyProfile(*read.profile, model_, rules_);
}

void ProfileCommands::menSave_Click() {
    dialog_.Prepare(QStringLiteral("Save Config File"), folder_, QStringLiteral("*.qv1"), true);
    const QString folder = dialog_.ListFolder();
    const std::string answer = dialog_.PopUp(QStringLiteral("Save")).toStdString();
    if (IsNoChoice(answer)) {
        return;
    }
    const QString name = QString::fromStdString(SaveFileName(answer));
    const QString title = QStringLiteral("Save Profile");
    if (HasWildcard(name.toStdString())) {
        MessageBox::Show(parent_, title,
                         QStringLiteral("The name \"%1\" can't be used for a profile:\r"
                                        "it holds a wildcard (* or ?).")
                             .arg(name));
        return;
    }
    // The question comes last, once the profile is known to be whole and on disk: a yes must
    // never be followed by a refusal that leaves the user wondering what was kept.
    const ProfileWriteResult written = WriteProfile(model_, rules_.Values());
    if (written.error) {
        MessageBox::Show(parent_, title,
                         QStringLiteral("The profile can't be saved, as it can't hold this "
                                        "assignment:\r%1")
                             .arg(QString::fromStdString(written.error->Message())));
        return;
    }
    const auto mayReplace = [this] {
        return MessageBox::Show(
                   parent_, QStringLiteral("File Overwrite"),
                   QStringLiteral("Are you sure you want to overwrite the existing file?"),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
    };
    const std::optional<std::string> failure = SaveProfileFile(
        LocalPath(folder), QFile::encodeName(name).toStdString(), written.bytes, {}, mayReplace);
    if (failure) {
        MessageBox::Show(parent_, title,
                         QStringLiteral("The profile \"%1\" can't be saved:\r%2")
                             .arg(folder + QStringLiteral("/") + name, FromLocal(*failure)));
    }
}

}  // namespace qv
