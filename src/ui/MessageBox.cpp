#include "ui/MessageBox.h"

#include <utility>

#include "ui/FreshKeys.h"

namespace qv {

namespace {

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
    // A box often follows a press of Enter or Escape in another window, the overwrite question
    // that of "Save": a key still held there must not answer it by its repeats.
    TakeOnlyFreshEnterAndEscape(box);
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
