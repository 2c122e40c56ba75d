#include "about/frmDonate.h"

#include <QIcon>
#include <QTextEdit>
#include <QUrl>

#include "ui/Resources.h"
#include "ui/Twips.h"

namespace qv {

frmDonate::frmDonate(const WebBrowserSource& browsers)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      message_(new QTextEdit(this)) {
    UseProgramResources();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Donate"));
    setWindowIcon(QIcon(QStringLiteral(":/quorvane/icon.png")));
    const QRect client = TwipsRect(0, 0, 12000, 9480);
    setFixedSize(client.size());

    // Read-only text that wraps even inside the long address, on the window's own background.
    message_->setGeometry(client.adjusted(40, 200, -40, -40));
    message_->setReadOnly(true);
    message_->setFrameShape(QFrame::NoFrame);
    message_->viewport()->setAutoFillBackground(false);
    message_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    message_->hide();

    WebBrowser1 = browsers(this, whyNot_);
    if (WebBrowser1) {
        WebBrowser1->Widget()->setGeometry(client);
        WebBrowser1->Stopped = [this](const QString& why) { ShowMessage(why); };
    }
}

// The browser goes before the window takes its children down.
frmDonate::~frmDonate() = default;

void frmDonate::Navigate(const QString& address) {
    address_ = address;
    if (!WebBrowser1) {
        ShowMessage(whyNot_);
        return;
    }
    message_->hide();
    WebBrowser1->Widget()->show();
    WebBrowser1->Navigate(QUrl(address));
}

QString frmDonate::Message() const {
    return message_->isHidden() ? QString() : message_->toPlainText();
}

// The address stays on show, to be copied into another browser.
void frmDonate::ShowMessage(const QString& why) {
    if (WebBrowser1) {
        WebBrowser1->Widget()->hide();
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
