#include "ui/MessageBox.h"

namespace qv {

QMessageBox::StandardButton MessageBox::s_nextAnswer = QMessageBox::NoButton;
QList<MessageBox::Shown> MessageBox::s_answered;

QMessageBox::StandardButton MessageBox::show(QWidget* parent, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton) {
    if (s_nextAnswer != QMessageBox::NoButton) {
        const QMessageBox::StandardButton answer = s_nextAnswer;
        s_nextAnswer = QMessageBox::NoButton;
        s_answered.append({title, text, buttons});
        return answer;
    }
    QMessageBox box(QMessageBox::NoIcon, title, MessageLines(text), buttons, parent);
    if (defaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(defaultButton);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer) {
    s_nextAnswer = answer;
}

const QList<MessageBox::Shown>& MessageBox::answered() {
    return s_answered;
}

void MessageBox::clearAnswered() {
    s_answered.clear();
}

QString MessageLines(const QString& text) {
    QString lines = text;
    lines.replace(QChar('\r'), QChar('\n'));
    return lines;
}

}  // namespace qv
