#pragma once

#include <QObject>

namespace qv {

// Whether a modal window of the program is open: a dialog or a message box waiting on an answer.
bool ModalWindowOpen();

// Keeps an open modal window within reach. Every other window of the program waits on it, so a
// minimised one would leave nothing on screen to answer it. While one is open, a minimise of any
// window of the program is undone and the modal window comes back in front.
class ModalWindowKeeper final : public QObject {
public:
    // Watches every window of the application from now on.
    explicit ModalWindowKeeper(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace qv
