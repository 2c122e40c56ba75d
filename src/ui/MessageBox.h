#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <functional>

namespace qv {

// The program's modal message boxes. Each is shown and waits for the user, unless answering has
// been switched on: then none is shown, each takes a queued answer, and each is remembered with
// what it said.
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

    // Switches answering on: from now on no box is shown. Each takes the next answer queued; a
    // box with none queued is answered NoButton at once and handed to `unexpected`, rather than
    // waiting for a click that never comes.
    static void AnswerAll(std::function<void(const Shown&)> unexpected);
    // Queues the answer of one more box, and switches answering on.
    static void SetNextAnswer(QMessageBox::StandardButton answer);
    // Every box answered without being shown so far, oldest first.
    static const QList<Shown>& Answered();
    // Forgets the boxes answered and the answers not used.
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
