// The web engine's browser, built as a plugin of its own so that the program loads the engine
// only when a page first opens.
#include <QObject>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "about/WebBrowser.h"

namespace qv {

namespace {

// The pages' own console messages would otherwise end up on the program's stderr.
class QuietPage final : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {}
};

class EngineView final : public QWebEngineView, public WebBrowser {
public:
    explicit EngineView(QWidget* parent) : QWebEngineView(parent) {
        setPage(new QuietPage(this));
        connect(this, &QWebEngineView::renderProcessTerminated, this,
                [this](QWebEnginePage::RenderProcessTerminationStatus status, int code) {
                    if (status != QWebEnginePage::NormalTerminationStatus && Stopped) {
                        Stopped(QStringLiteral("the page's renderer ended (status %1, code %2)")
                                    .arg(static_cast<int>(status))
                                    .arg(code));
                    }
                });
    }

    QWidget* Widget() override { return this; }
    void Navigate(const QUrl& address) override { load(address); }
};

}  // namespace

class WebEnginePlugin final : public QObject, public WebBrowserPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QV_WEB_BROWSER_PLUGIN_IID)
    Q_INTERFACES(qv::WebBrowserPlugin)

public:
    std::unique_ptr<WebBrowser> Create(QWidget* parent) override {
        return std::make_unique<EngineView>(parent);
    }
};

}  // namespace qv

#include "WebEngineBrowser.moc"
