#pragma once

#include <QString>

#include "model/Model.h"
#include "model/SettingsRules.h"
#include "profiles/Profile.h"

class QWidget;

namespace qv {

class ProfileNameDialog;

// "Strategic Commander" in the user's documents folder.
QString ProfileFolder();

// The File menu's "Load Profile" and "Save Profile", and the start-up load of "Default.qv1".
// The panel owns it; a load sets the settings through the panel's rules. Every failure is told
// in a message box, and a profile that can't be read changes nothing.
class ProfileCommands final {
public:
    ProfileCommands(Model& model, SettingsRules& rules, ProfileNameDialog& dialog, QWidget* parent,
                    QString folder = ProfileFolder());

    void menLoad_Click();
    void menSave_Click();

    // True makes the next menLoad_Click load "Default.qv1" without the dialog; that call clears
    // it. When "Default.qv1" is missing, the one file whose name matches it but for case stands
    // in; with none the tables stay as they are, without a message, and with several as well,
    // with a line on stderr naming them.
    bool LoadDefaultProfile = false;

private:
    Model& model_;
    SettingsRules& rules_;
    ProfileNameDialog& dialog_;
    QWidget* parent_ = nullptr;
    QString folder_;
};

}  // namespace qv
