#pragma once

#include <QObject>

class QWidget;

namespace qv {

// Whether a modal window of the program is open: a dialog or a message box waiting on an answer.
bool ModalWindowOpen();

// Keeps an open modal window within reach. The program's main window waits on it, so a minimised
// one would leave nothing on screen to answer it. While one is open, a minimise of a modal window
// or of the main window is undone, and the modal window comes back in front.
class ModalWindowKeeper final : public QObject {
public:
    // Watches the windows from now on, as long as `mainWindow` lives.
    explicit ModalWindowKeeper(QWidget* mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace qv
