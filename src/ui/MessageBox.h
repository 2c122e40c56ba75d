#pragma once

#include <QMessageBox>
#include <QString>

namespace qv {

// The program's modal message boxes. Tests answer the next box through setNextAnswer and read
// what it said; the program shows real ones.
class MessageBox final {
public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    // Shows a modal box without an icon; answers the button the user pressed.
    static QMessageBox::StandardButton show(
        QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Test hook: the next box is not shown but answered with `answer`.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // Test hook: every box answered through the hook so far, oldest first.
    static const QList<Shown>& answered();
    static void clearAnswered();

private:
    static QMessageBox::StandardButton s_nextAnswer;
    static QList<Shown> s_answered;
};

// Turns the carriage returns that separate the lines of the program's messages into line breaks.
QString MessageLines(const QString& text);

}  // namespace qv
