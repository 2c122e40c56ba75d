#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace qv {

// The program's modal message boxes. Each is shown and waits for the user.
class MessageBox final {
public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };
    using Answerer = std::function<QMessageBox::StandardButton(const Shown&)>;

    // Shows a modal box without an icon; answers the button the user pressed.
    static QMessageBox::StandardButton Show(
        QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // A seam for tests only; the program never sets it, as it would silence every box, a fatal
    // failure's included. While `answerer` is set no box is shown: each is handed to it, and
    // its answer stands for the user's. Answers the answerer it replaces, to be put back.
    static Answerer SetTestAnswerer(Answerer answerer);
};

// Turns the carriage returns that separate the lines of the program's messages into line breaks.
QString MessageLines(const QString& text);

}  // namespace qv
