#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace qv::test {

// A key event as the desktop delivers it, at `at` milliseconds.
inline void SendKey(QWidget* to, QEvent::Type type, Qt::Key key, bool autoRepeat, quint64 at) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    event.setTimestamp(at);
    QApplication::sendEvent(to, &event);
}

// The repeats of a key held down since before `from`, as they reach `to`: most come marked as
// repeats, but on X one now and then comes as a plain release and press at the same moment.
// The key is let go at the end.
inline void HeldKeyRepeats(QWidget* to, Qt::Key key, quint64 from) {
    for (quint64 at = from; at < from + 200; at += 40) {
        SendKey(to, QEvent::KeyRelease, key, true, at);
        SendKey(to, QEvent::KeyPress, key, true, at);
    }
    SendKey(to, QEvent::KeyRelease, key, false, from + 200);
    SendKey(to, QEvent::KeyPress, key, false, from + 200);
    SendKey(to, QEvent::KeyRelease, key, false, from + 230);
}

}  // namespace qv::test
