#include "ui/MessageBox.h"

#include "ui/FreshKeys.h"

namespace qv {

bool MessageBox::s_answering = false;
QList<QMessageBox::StandardButton> MessageBox::s_answers;
QList<MessageBox::Shown> MessageBox::s_answered;
std::function<void(const MessageBox::Shown&)> MessageBox::s_unexpected;

QMessageBox::StandardButton MessageBox::Show(QWidget* parent, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton) {
    if (s_answering) {
        s_answered.append({title, text, buttons});
        if (s_answers.isEmpty()) {
            if (s_unexpected) {
                s_unexpected(s_answered.back());
            }
            return QMessageBox::NoButton;
        }
        return s_answers.takeFirst();
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

void MessageBox::AnswerAll(std::function<void(const Shown&)> unexpected) {
    s_answering = true;
    s_unexpected = std::move(unexpected);
}

void MessageBox::SetNextAnswer(QMessageBox::StandardButton answer) {
    s_answering = true;
    s_answers.append(answer);
}

const QList<MessageBox::Shown>& MessageBox::Answered() {
    return s_answered;
}

void MessageBox::ClearAnswered() {
    s_answered.clear();
    s_answers.clear();
}

QString MessageLines(const QString& text) {
    QString lines = text;
    lines.replace(QChar('\r'), QChar('\n'));
    return lines;
}

}  // namespace qv
