#pragma once

#include <QPointer>
#include <string>

#include "about/AboutBox.h"
#include "about/WebBrowser.h"
#include "about/WebPageWindow.h"

namespace qv {

// The About box and the web-page window, as the panel's menu opens them. Neither has an
// owner window; the panel unloads them at its shut-down. The web-page window comes up in the
// middle of `panel`'s screen.
class AboutWindows final {
public:
    explicit AboutWindows(const QWidget& panel, WebBrowserSource browsers = LoadWebBrowser);
    ~AboutWindows();
    AboutWindows(const AboutWindows&) = delete;
    AboutWindows& operator=(const AboutWindows&) = delete;

    // Shows the About box modally; it is gone again when this returns.
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnuUpdate_Click();

    // Each closes its window if it is loaded, and loads none.
    void UnloadAboutBox();
    void UnloadWebPage();

    AboutBox* About() const { return about_; }
    WebPageWindow* WebPage() const { return webPage_; }

private:
    void OpenPage(const QString& caption, const std::string& address);

    const QWidget& panel_;
    WebBrowserSource browsers_;
    QPointer<AboutBox> about_;
    QPointer<WebPageWindow> webPage_;
};

}  // namespace qv
