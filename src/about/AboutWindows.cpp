#include "about/AboutWindows.h"

#include <QScreen>

#include "about/WebAddresses.h"
#include "ui/WindowPlacement.h"

namespace qv {

AboutWindows::AboutWindows(const QWidget& panel, WebBrowserSource browsers)
    : panel_(panel), browsers_(std::move(browsers)) {}

AboutWindows::~AboutWindows() {
    UnloadDonate();
}

void AboutWindows::mnuAbout_Click() {
    about_ = new frmAbout;
    about_->exec();
}

void AboutWindows::mnuDonate_Click() {
    OpenPage(QStringLiteral("Donation for Quorvane"), DonationAddress());
}

void AboutWindows::mnuUpdate_Click() {
    OpenPage(QStringLiteral("Check for Quorvane updates"), UpdateAddress());
}

// A second choice reuses the window that is open, where the user may have moved it, and brings
// it to the front. Left to the window manager, the window could reach off the screen.
void AboutWindows::OpenPage(const QString& caption, const std::string& address) {
    if (!donate_) {
        donate_ = new frmDonate(browsers_);
        CentreWindow(*donate_, panel_.screen()->availableGeometry(), panel_);
    }
    donate_->setWindowTitle(caption);
    donate_->Navigate(QString::fromStdString(address));
    donate_->show();
    donate_->raise();
    donate_->activateWindow();
}

// Its own exec deletes the box once it is closed.
void AboutWindows::UnloadAbout() {
    if (about_) {
        about_->close();
    }
}

// Deleted at once: the program may end before a later deletion would run.
void AboutWindows::UnloadDonate() {
    delete donate_;
}

}  // namespace qv
