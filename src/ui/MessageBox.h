#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <functional>

namespace qv {

// The program's modal message boxes. The program shows real ones; tests answer them through
// the hooks and read what they said.
class MessageBox final {
public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    // Shows a modal box without an icon; answers the button the user pressed.
    static QMessageBox::StandardButton Show(
        QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Test hook: from now on no box is shown. Each takes the next answer queued; a box with
    // none queued is answered NoButton and handed to `unexpected`, so that a test fails at once
    // instead of waiting for a click that never comes.
    static void AnswerAll(std::function<void(const Shown&)> unexpected);
    // Test hook: queues the answer of one more box, and answers boxes from now on.
    static void SetNextAnswer(QMessageBox::StandardButton answer);
    // Test hook: every box answered through the hooks so far, oldest first.
    static const QList<Shown>& Answered();
    // Test hook: forgets the boxes answered and the answers not used.
    static void ClearAnswered();

private:
    static bool s_answering;
    static QList<QMessageBox::StandardButton> s_answers;
    static QList<Shown> s_answered;
    static std::function<void(const Shown&)> s_unexpected;
};

// Turns the carriage returns that separate the lines of the program's messages into line breaks.
QString MessageLines(const QString& text);

}  // namespace qv
