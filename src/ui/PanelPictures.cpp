#include "ui/PanelPictures.h"

#include <cmath>

#include "ui/PictureBox.h"

namespace qv {

namespace {

constexpr double kStickCentre = 512;
constexpr double kStickOffset = 511;
constexpr double kStickRadius = 35;
constexpr double kMarkerStep = 244;
constexpr double kMarkerWidth = 200;
constexpr double kFanFoot = 950;
constexpr double kFanCentre = 511;
constexpr double kNeedleCentre = 514;
constexpr int kFanSpacing = 9;

}  // namespace

double FanTop(double v) {
    const double t = std::fabs(v) / 50;
    return t * t + 60;
}

void DrawModeMarker(PictureBox& slider, int mode) {
    slider.Cls();
    slider.Box(0, kMarkerStep * mode, kMarkerWidth, kMarkerStep * mode + kMarkerStep);
}

void DrawStickView(PictureBox& picture, int walkZone, int deadZone, int16_t axisX, int16_t axisY) {
    picture.Cls();
    picture.SetFillColor(kCyan);
    picture.Box(kStickCentre - walkZone, kStickCentre - walkZone, kStickCentre + walkZone,
                kStickCentre + walkZone);
    picture.SetFillColor(kGreen);
    picture.Box(kStickCentre - deadZone, kStickCentre - deadZone, kStickCentre + deadZone,
                kStickCentre + deadZone);
    DrawStickDot(picture, axisX, axisY);
}

void DrawStickDot(PictureBox& picture, int16_t axisX, int16_t axisY) {
    picture.SetDrawWidth(3);
    picture.SetFillColor(kRed);
    picture.Circle(axisX + kStickOffset, axisY + kStickOffset, kStickRadius);
}

void DrawNeedleLine(PictureBox& picture, int16_t axisTurn) {
    picture.Line(kNeedleCentre, kFanFoot, axisTurn + kNeedleCentre, FanTop(axisTurn));
}

void DrawTwistView(PictureBox& picture, int twistDeadZone, int16_t axisTurn) {
    const int z = twistDeadZone;
    picture.Cls();
    picture.SetDrawWidth(2);
    picture.SetForeColor(kGreen);
    for (int i = -z; i <= z; i += kFanSpacing) {
        picture.Line(kFanCentre, kFanFoot, i + kFanCentre, FanTop(i));
    }
    picture.SetDrawWidth(7);
    picture.SetForeColor(kButtonText);
    DrawNeedleLine(picture, axisTurn);
    picture.SetDrawWidth(3);
    picture.Line(520, kFanFoot, z + 520, FanTop(z));
    picture.Line(500, kFanFoot, 500 - z, FanTop(z));
    picture.SetForeColor(kRed);
    DrawNeedleLine(picture, axisTurn);
}

}  // namespace qv
