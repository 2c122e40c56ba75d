#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "about/WebBrowser.h"

class QTextEdit;

namespace qv {

// The web-page window: the embedded browser over the whole client area. When the browser
// cannot start, or stops, the client area says so instead.
class WebPageWindow final : public QWidget {
    Q_OBJECT

public:
    explicit WebPageWindow(const WebBrowserSource& browsers);
    ~WebPageWindow() override;

    void Navigate(const QString& address);
    // The address last navigated to.
    QString LocationURL() const { return address_; }
    // What the client area says in place of a page, or "" while it shows the browser.
    QString Message() const;

private:
    void ShowMessage(const QString& why);

    std::unique_ptr<WebBrowser> browser_;
    QTextEdit* message_ = nullptr;
    QString whyNot_;
    QString address_;
};

}  // namespace qv
