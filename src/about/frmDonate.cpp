#include "about/frmDonate.h"

#include <QIcon>
#include <QLabel>
#include <QUrl>

#include "ui/Resources.h"
#include "ui/Twips.h"

namespace qv {

frmDonate::frmDonate(const WebBrowserSource& browsers)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      message_(new QLabel(this)) {
    UseProgramResources();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Donate"));
    setWindowIcon(QIcon(QStringLiteral(":/quorvane/icon.png")));
    const QRect client = TwipsRect(0, 0, 12000, 9480);
    setFixedSize(client.size());

    message_->setGeometry(client.adjusted(20, 20, -20, -20));
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
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
    return message_->isHidden() ? QString() : message_->text();
}

// The address stays on show, to be copied into another browser.
void frmDonate::ShowMessage(const QString& why) {
    if (WebBrowser1) {
        WebBrowser1->Widget()->hide();
    }
    message_->setText(QStringLiteral("This window cannot show web pages: %1.\n\nThe page is at\n%2")
                          .arg(why, address_));
    message_->show();
}

}  // namespace qv
