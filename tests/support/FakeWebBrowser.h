#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <vector>

#include "about/WebBrowser.h"

namespace qv::test {

// A browser that only remembers where it was sent.
class FakeWebBrowser final : public WebBrowser {
public:
    explicit FakeWebBrowser(QWidget* parent) : widget_(new QWidget(parent)) {}
    ~FakeWebBrowser() override { delete widget_; }

    QWidget* Widget() override { return widget_; }
    void Navigate(const QUrl& address) override { visited.push_back(address); }

    std::vector<QUrl> visited;

private:
    QPointer<QWidget> widget_;
};

// Makes fake browsers, or none with a reason when `whyNot` is set, and counts what it made.
struct FakeBrowsers {
    WebBrowserSource Source() {
        return [this](QWidget* parent, QString& why) -> std::unique_ptr<WebBrowser> {
            ++made;
            if (!whyNot.isEmpty()) {
                why = whyNot;
                return nullptr;
            }
            auto browser = std::make_unique<FakeWebBrowser>(parent);
            last = browser.get();
            return browser;
        };
    }

    QString whyNot;
    int made = 0;
    FakeWebBrowser* last = nullptr;
};

}  // namespace qv::test
