#include "about/WebPageWindow.h"

#include <QTextEdit>
#include <QUrl>

#include "ui/Resources.h"
#include "ui/Twips.h"

namespace qv {

WebPageWindow::WebPageWindow(const WebBrowserSource& browsers)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      message_(new QTextEdit(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Donate"));
    setWindowIcon(ProgramIcon());
    const QRect client = TwipsRect(0, 0, 12000, 9480);
    setFixedSize(client.size());

    // Read-only text that wraps even inside the long address, on the window's own background.
    message_->setGeometry(client.adjusted(40, 200, -40, -40));
    message_->setReadOnly(true);
    message_->setFrameShape(QFrame::NoFrame);
    message_->viewport()->setAutoFillBackground(false);
    message_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    message_->hide();

    browser_ = browsers(this, whyNot_);
    if (browser_) {
        browser_->Widget()->setGeometry(client);
        browser_->Stopped = [this](const QString& why) { ShowMessage(why); };
    }
}

// The browser goes before the window takes its children down.
WebPageWindow::~WebPageWindow() = default;

void WebPageWindow::Navigate(const QString& address) {
    address_ = address;
    if (!browser_) {
        ShowMessage(whyNot_);
        return;
    }
    message_->hide();
    browser_->Widget()->show();
    browser_->Navigate(QUrl(address));
}

QString WebPageWindow::Message() const {
    return message_->isHidden() ? QString() : message_->toPlainText();
}

// The address stays on show, to be copied into another browser.
void WebPageWindow::ShowMessage(const QString& why) {
    if (browser_) {
        browser_->Widget()->hide();
    }
    message_->setPlainText(
        QStringLiteral("This window cannot show web pages.\n\n%1\n\nThe page is at:\n%2")
            .arg(why, address_));
    message_->selectAll();
    message_->setAlignment(Qt::AlignCenter);
    message_->moveCursor(QTextCursor::Start);
    message_->show();
}

}  // namespace qv
