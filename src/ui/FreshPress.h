#pragma once

#include <QKeyEvent>

namespace qv {

// Tells a fresh press of a key from the desktop's repeats of a key held down. Qt marks the
// repeats, but on X it now and then misses one, which then comes as a plain release and press
// at the very same moment.
class FreshPress final {
public:
    bool IsFresh(const QKeyEvent& press) const {
        return !press.isAutoRepeat() &&
               !(press.key() == releasedKey_ && press.timestamp() == releasedAt_);
    }

    void Released(const QKeyEvent& release) {
        releasedKey_ = release.key();
        releasedAt_ = release.timestamp();
    }

private:
    int releasedKey_ = 0;
    quint64 releasedAt_ = 0;
};

}  // namespace qv
