#pragma once

#include <QString>
#include <QUrl>
#include <QtPlugin>
#include <functional>
#include <memory>

class QWidget;

namespace qv {

// The web-page window's embedded browser: a widget in the window that shows one page.
class WebBrowser {
public:
    virtual ~WebBrowser() = default;
    virtual QWidget* Widget() = 0;
    virtual void Navigate(const QUrl& address) = 0;

    // Told, with the reason, when the browser can show no page any more.
    std::function<void(const QString& why)> Stopped;
};

// What the browser plugin offers.
class WebBrowserPlugin {
public:
    virtual ~WebBrowserPlugin() = default;
    virtual std::unique_ptr<WebBrowser> Create(QWidget* parent) = 0;
};

// Makes a browser in `parent`, or answers none and says why not.
using WebBrowserSource =
    std::function<std::unique_ptr<WebBrowser>(QWidget* parent, QString& whyNot)>;

// The web engine's browser, from the plugin that is loaded when the first page opens: the web
// engine costs a program that never opens a page neither time nor memory.
std::unique_ptr<WebBrowser> LoadWebBrowser(QWidget* parent, QString& whyNot);

}  // namespace qv

#define QV_WEB_BROWSER_PLUGIN_IID "org.quorvane.WebBrowserPlugin/1"
Q_DECLARE_INTERFACE(qv::WebBrowserPlugin, QV_WEB_BROWSER_PLUGIN_IID)
