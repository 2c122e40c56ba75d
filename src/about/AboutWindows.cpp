#include "about/AboutWindows.h"

#include <QScreen>

#include "about/WebAddresses.h"
#include "ui/WindowPlacement.h"

namespace qv {

AboutWindows::AboutWindows(const QWidget& panel, WebBrowserSource browsers)
    : panel_(panel), browsers_(std::move(browsers)) {}

AboutWindows::~AboutWindows() {
    UnloadWebPage();
}

void AboutWindows::mnuAbout_Click() {
    about_ = new AboutBox;
    about_->exec();
}

void AboutWindows::mnuDonate_Click() {
    OpenPage(QStringLiteral("Donation for Quorvane"), DonationAddress());
}

void AboutWindows::mnuUpdate_Click() {
    OpenPage(QStringLiteral("Check for Quorvane updates"), UpdateAddress());
}

// A second choice reuses the window that is open, where the user may have moved it, and brings
// it to the front, out of a minimise too. Left to the window manager, the window could reach off
// the screen.
void AboutWindows::OpenPage(const QString& caption, const std::string& address) {
    if (!webPage_) {
        webPage_ = new WebPageWindow(browsers_);
        CentreWindow(*webPage_, panel_.screen()->availableGeometry(), panel_);
    }
    webPage_->setWindowTitle(caption);
    webPage_->Navigate(QString::fromStdString(address));
    webPage_->setWindowState(webPage_->windowState() & ~Qt::WindowMinimized);
    webPage_->show();
    webPage_->raise();
    webPage_->activateWindow();
}

// Its own exec deletes the box once it is closed.
void AboutWindows::UnloadAboutBox() {
    if (about_) {
        about_->close();
    }
}

// Deleted at once: the program may end before a later deletion would run.
void AboutWindows::UnloadWebPage() {
    delete webPage_;
}

}  // namespace qv
