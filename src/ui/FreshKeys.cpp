#include "ui/FreshKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace qv {

namespace {

// Qt marks the desktop's repeats, but on X it now and then misses one, which then comes as a
// plain release and press at the very same moment. Events made without a time stamp all carry 0,
// and that moment marks nothing.
class FreshPress final {
public:
    bool IsFresh(const QKeyEvent& press) const {
        return !press.isAutoRepeat() && !(press.timestamp() != 0 && press.key() == releasedKey_ &&
                                          press.timestamp() == releasedAt_);
    }

    void Released(const QKeyEvent& release) {
        releasedKey_ = release.key();
        releasedAt_ = release.timestamp();
    }

private:
    int releasedKey_ = 0;
    quint64 releasedAt_ = 0;
};

// Watches the application's key events, not the window's: a focused button that takes Enter
// itself (a default button, an item of a list) keeps it from ever reaching the window.
class FreshKeysFilter final : public QObject {
public:
    FreshKeysFilter(QWidget& window, EnterKey enter)
        : QObject(&window), window_(window), enter_(enter) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool press = event->type() == QEvent::KeyPress;
        if ((!press && event->type() != QEvent::KeyRelease) || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != &window_) {
            return false;
        }
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (!press) {
            presses_.Released(key);
            return false;
        }
        const bool enter = IsEnter(key);
        if (!enter && key.key() != Qt::Key_Escape) {
            return false;
        }
        if (!presses_.IsFresh(key)) {
            return true;
        }
        // Only once no control of the window has taken it, as Qt would hand it to the window.
        if (enter && enter_ == EnterKey::PressesFocusedButton && watched == &window_) {
            if (auto* focused = qobject_cast<QPushButton*>(window_.focusWidget())) {
                focused->click();
            }
            return true;
        }
        return false;
    }

private:
    QWidget& window_;
    EnterKey enter_;
    FreshPress presses_;
};

}  // namespace

bool IsEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

void TakeOnlyFreshEnterAndEscape(QWidget& window, EnterKey enter) {
    new FreshKeysFilter(window, enter);
}

}  // namespace qv
