#pragma once

#include <QIcon>
#include <functional>

class QMenu;

namespace qv {

// The notification area, where the panel's icon stands while the panel is hidden. Desktops
// without one exist, and the desktop's own panel that holds it may quit or restart, so its
// presence is asked first and followed while the panel stands in it.
class TrayArea {
public:
    virtual ~TrayArea() = default;

    virtual bool Available() const = 0;
    // Shows the icon with the tip "Quorvane"; a right click on it opens `menu`.
    virtual void AddIcon(const QIcon& icon, QMenu* menu) = 0;
    // Removes the icon; nothing happens when it is not there.
    virtual void DeleteIcon() = 0;
    // From now on, until called with false, calls AreaChanged each time the area goes away or
    // comes back.
    virtual void Watch(bool on) = 0;

    std::function<void()> DoubleClicked;
    std::function<void()> AreaChanged;
};

}  // namespace qv
