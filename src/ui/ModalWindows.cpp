#include "ui/ModalWindows.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace qv {

namespace {

void BringBack(QWidget* window) {
    if (window->isMinimized()) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

}  // namespace

bool ModalWindowOpen() {
    return QApplication::activeModalWidget() != nullptr;
}

ModalWindowKeeper::ModalWindowKeeper(QWidget* mainWindow) : QObject(mainWindow) {
    QCoreApplication::instance()->installEventFilter(this);
}

// Undone once the minimising has finished, since undoing it in the middle would be overruled by it.
bool ModalWindowKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        const bool kept = window->isModal() || window == parent();
        if (kept && window->isMinimized() && ModalWindowOpen()) {
            QMetaObject::invokeMethod(
                this,
                [window = QPointer<QWidget>(window)] {
                    if (window && ModalWindowOpen()) {
                        BringBack(window);
                    }
                },
                Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace qv
