#pragma once

#include <QRect>

class QWidget;

namespace qv {

// Moves the top-level `window` so that its frame is centred on `area` and lies inside the
// available area of `reference`'s screen; one too big for it keeps its top left corner, with
// the title bar, on the screen. A window never shown has no known frame yet: `reference`, a
// shown window of the program, lends it its own.
void CentreWindow(QWidget& window, const QRect& area, const QWidget& reference);

}  // namespace qv
