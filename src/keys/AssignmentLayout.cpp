#include <QFrame>

#include "keys/AssignmentControls.h"
#include "keys/FunctionTextValidator.h"
#include "keys/KeyButtons.h"
#include "keys/KeyEditor.h"
#include "model/DelayCodes.h"
#include "ui/Buttons.h"
#include "ui/PanelLook.h"

namespace qv {

namespace {

struct FramePlace {
    KeyFrame frame;
    int left;
    int top;
    int width;
    int height;
};

constexpr std::array<FramePlace, 9> kFrames{{
    {KeyFrame::Frame9, 120, 0, 4215, 735},
    {KeyFrame::Frame10, 6960, 0, 4335, 735},
    {KeyFrame::Frame6, 120, 720, 2775, 735},
    {KeyFrame::Frame7, 3240, 720, 3255, 735},
    {KeyFrame::Frame8, 6840, 720, 4455, 735},
    {KeyFrame::Frame4, 120, 1440, 11175, 3255},
    {KeyFrame::Frame2, 120, 4680, 8775, 735},
    {KeyFrame::Frame5, 9000, 4680, 855, 735},
    {KeyFrame::Frame3, 10560, 4680, 735, 735},
}};

template <typename Control>
Control* Place(Control* control, int left, int top, int width, int height) {
    control->setGeometry(TwipsRect(left, top, width, height));
    return control;
}

// A frame without caption: an etched edge around an area in the window's colour.
QFrame* Frame(QWidget* parent, int left, int top, int width, int height) {
    auto* frame = Place(new QFrame(parent), left, top, width, height);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return frame;
}

// Captions and the text box sit on the controls' face colour, like the buttons.
void Face(QWidget* control) {
    SetFace(control, kIdleFace);
    QPalette colours = control->palette();
    colours.setColor(QPalette::Window, kIdleFace);
    colours.setColor(QPalette::Base, kIdleFace);
    control->setPalette(colours);
    control->setAutoFillBackground(true);
}

QLabel* Caption(const char* text, QWidget* parent, int left, int top, int width, int height,
                double points) {
    auto* label = Place(new QLabel(QString::fromUtf8(text), parent), left, top, width, height);
    label->setFont(ArialFont(points));
    label->setAlignment(Qt::AlignCenter);
    Face(label);
    return label;
}

QPushButton* Command(const char* caption, QWidget* parent, int left, int top) {
    auto* button = Place(new QPushButton(QString::fromUtf8(caption), parent), left, top, 1215, 375);
    button->setFont(ArialFont(9.75));
    SetFace(button, kIdleFace);
    return button;
}

CheckButton* Check(const char* caption, int value, QWidget* parent, int left, int top, int width,
                   int height, double points) {
    auto* box =
        Place(new CheckButton(QString::fromUtf8(caption), value, parent), left, top, width, height);
    box->setFont(ArialFont(points));
    SetFace(box, kIdleFace);
    return box;
}

// The checked mode box is disabled only so that it can't be clicked again: it names the mode in
// force, so its caption keeps the colour of an enabled one.
void ReadableWhenDisabled(CheckButton* box) {
    QPalette colours = box->palette();
    colours.setColor(QPalette::Disabled, QPalette::ButtonText,
                     colours.color(QPalette::Active, QPalette::ButtonText));
    box->setPalette(colours);
}

QPushButton* Key(const KeyButton& key, QWidget* frame) {
    auto* button = Place(new SlotButton(QString::fromUtf8(key.caption), frame), key.left, key.top,
                         key.width, key.height);
    button->setFont(ArialFont(key.smallFont ? 6 : 8.25));
    SetFace(button, kIdleFace);
    button->setEnabled(!IsDelayCode(key.code));
    return button;
}

void BuildFrame1(AssignmentControls& c, QWidget* dialog) {
    c.Frame1 = Frame(dialog, 120, 5400, 11175, 2415);
    QWidget* f = c.Frame1;
    c.lblKeyFunction = Caption("Key Function", f, 120, 240, 1335, 375, 9.75);
    c.txtKeyFunction =
        Place(new QLineEdit(QStringLiteral("Press A Button"), f), 1440, 240, 2175, 375);
    c.txtKeyFunction->setMaxLength(kMostFunctionText);
    c.txtKeyFunction->setValidator(new FunctionTextValidator(c.txtKeyFunction));
    Face(c.txtKeyFunction);
    c.chkSingleKey = Check("Single Key Mode", 1, f, 3720, 240, 855, 375, 6.75);
    c.chkSingleKey->setEnabled(false);
    c.chkSequence = Check("Sequence Mode", 0, f, 4560, 240, 855, 375, 6.75);
    ReadableWhenDisabled(c.chkSingleKey);
    ReadableWhenDisabled(c.chkSequence);
    c.Label3 = Caption(kSingleKeyText, f, 5400, 240, 5655, 375, 12.75);
    c.Label2 = Caption("Key Action", f, 120, 720, 1335, 375, 9.75);
    c.Image1 = Place(new QWidget(f), 1440, 720, 8320, 1575);
    c.chkKeyCombo = Check("Key Combination", 0, f, 120, 1200, 1215, 495, 8.25);
    c.btnOK = Command("OK", f, 9840, 1320);
    c.cmdUndo = Command("UNDO", f, 120, 1800);
    c.cmdUndo->setEnabled(false);
    c.btnCancel = Command("Cancel", f, 9840, 1800);
}

}  // namespace

AssignmentControls BuildAssignmentControls(QWidget* dialog) {
    AssignmentControls c;
    std::array<QFrame*, kFrames.size()> frames{};
    for (const FramePlace& place : kFrames) {
        frames[static_cast<std::size_t>(place.frame)] =
            Frame(dialog, place.left, place.top, place.width, place.height);
    }
    for (const KeyButton& key : KeyButtons()) {
        c.VK[static_cast<std::size_t>(key.code)] =
            Key(key, frames[static_cast<std::size_t>(key.frame)]);
    }
    BuildFrame1(c, dialog);
    // Enter belongs to the function text. A dialog makes its first auto-default button the
    // default, here the first key button, and Enter in the text would then enter that key.
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    return c;
}

}  // namespace qv
