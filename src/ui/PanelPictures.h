#pragma once

#include <cstdint>

namespace qv {

class PictureBox;

// The three pictures of the live view, each drawn from scratch on its own picture box.

// The mode switch's position as a box in one third of `Slider`, in its fore and fill colours.
void DrawModeMarker(PictureBox& slider, int mode);

// The stick: the walk zone, the dead zone and the stick's position as a red circle.
void DrawStickView(PictureBox& picture, int walkZone, int deadZone, int16_t axisX, int16_t axisY);

// The twist: a green fan over the twist dead zone, its two edges and the twist as a needle.
void DrawTwistView(PictureBox& picture, int twistDeadZone, int16_t axisTurn);

// The stick's position as a red dot, 511 units from the top left being the centre.
void DrawStickDot(PictureBox& picture, int16_t axisX, int16_t axisY);

// The twist needle from the bottom centre, its tip lower the further it swings out.
void DrawNeedleLine(PictureBox& picture, int16_t axisTurn);

// The height at which the fan's line for twist value `v` ends: a parabola over the dead zone.
double FanTop(double v);

}  // namespace qv
