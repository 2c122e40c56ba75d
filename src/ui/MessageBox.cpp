#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <utility>

#include "ui/FocusedButton.h"
#include "ui/FreshPress.h"

namespace qv {

namespace {

// A box often follows a press of Enter or Escape in another window, the overwrite question
// that of "Save": a key still held there must not answer it by its repeats.
class HeldKeysIgnored final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease) {
            presses_.Released(*static_cast<QKeyEvent*>(event));
        } else if (event->type() == QEvent::KeyPress) {
            const auto& press = *static_cast<QKeyEvent*>(event);
            const bool answers = IsEnter(press) || press.key() == Qt::Key_Escape;
            if (answers && !presses_.IsFresh(press)) {
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    FreshPress presses_;
};

// Made on first use: a test program may set it from a static object of its own, built before
// this file's would be.
MessageBox::Answerer& TestAnswerer() {
    static MessageBox::Answerer answerer;
    return answerer;
}

}  // namespace

QMessageBox::StandardButton MessageBox::Show(QWidget* parent, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton) {
    // A copy: the answerer may run a while, and be replaced meanwhile.
    if (const MessageBox::Answerer answerer = TestAnswerer()) {
        return answerer({title, text, buttons});
    }
    QMessageBox box(QMessageBox::NoIcon, title, MessageLines(text), buttons, parent);
    if (defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(defaultButton);
    }
    HeldKeysIgnored heldKeys;
    for (QAbstractButton* button : box.buttons()) {
        button->installEventFilter(&heldKeys);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

MessageBox::Answerer MessageBox::SetTestAnswerer(Answerer answerer) {
    return std::exchange(TestAnswerer(), std::move(answerer));
}

QString MessageLines(const QString& text) {
    QString lines = text;
    lines.replace(QChar('\r'), QChar('\n'));
    return lines;
}

}  // namespace qv
