#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;
class QPalette;

namespace qv {

// The face of every push button, the command and dialog buttons included: &H00DEDDDA.
inline const QColor kIdleFace(218, 221, 222);

// Arial, which fontconfig serves with the metric-compatible Liberation Sans.
QFont ArialFont(double points, bool bold = false);

// The look every window shares, set once before the first window: the style, Arial 8 pt for all
// text, and flat button faces in kIdleFace.
void UseAppLook();

// How a push button stands: raised, pressed in (held down or checked), or pressed in and
// hatched for the grey value of a check box.
enum class ButtonStand { Raised, Pressed, Grey };

// Draws a button's bevel and fills the face inside it with exactly `face`; a default button gets
// a dark rim outside the bevel.
void DrawButtonFace(QPainter& painter, const QRect& button, const QColor& face, ButtonStand stand,
                    bool isDefault);

// The keyboard focus: a dotted frame just inside the bevel.
void DrawFocusFrame(QPainter& painter, const QRect& button, const QPalette& palette);

// How far a pressed button's caption moves right and down.
inline constexpr int kPressedShift = 1;

}  // namespace qv
