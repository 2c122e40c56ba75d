#include <QFrame>
#include <algorithm>

#include "panel/PanelControls.h"
#include "ui/Buttons.h"
#include "ui/PanelLook.h"

namespace qv {

namespace {

struct SlotPlace {
    const char* caption;
    int left;
    int top;
};

// Slots 0..15 sit on the panel itself; 16..33 on the pages, six on each.
constexpr std::array<SlotPlace, 16> kPanelSlots{{
    {"UP", 1440, 240},
    {"DOWN", 1440, 2160},
    {"LEFT", 240, 1200},
    {"RIGHT", 2640, 1200},
    {"ANGLE LEFT", 3960, 720},
    {"ANGLE RIGHT", 6360, 720},
    {"WALK", 2520, 4200},
    {"1", 4080, 3120},
    {"2", 5160, 3120},
    {"3", 6240, 3120},
    {"4", 4080, 3720},
    {"5", 5160, 3720},
    {"6", 6240, 3720},
    {"PLUS", 3960, 6960},
    {"MINUS", 5160, 6960},
    {"REC", 6360, 6960},
}};

constexpr std::array<SlotPlace, 6> kPageSlots{{
    {"6", 120, 360},
    {"5", 1200, 360},
    {"4", 2280, 360},
    {"3", 120, 960},
    {"2", 1200, 960},
    {"1", 2280, 960},
}};

constexpr std::array<int, kPages> kPageTop{4320, 6000, 6480};
constexpr std::array<int, kPages> kPageHeight{1575, 375, 375};
constexpr std::array<const char*, kPages> kPageTitle{"F1", "F2", "F3"};

template <typename Control>
Control* Place(Control* control, int left, int top, int width, int height) {
    control->setGeometry(TwipsRect(left, top, width, height));
    return control;
}

QLabel* Caption(const char* text, QWidget* parent, int left, int top, int width, int height) {
    auto* label = Place(new QLabel(QString::fromUtf8(text), parent), left, top, width, height);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QPushButton* CommandButton(const char* caption, QWidget* parent, int top) {
    auto* button = Place(new QPushButton(QString::fromUtf8(caption), parent), 240, top, 1095, 375);
    SetFace(button, kIdleFace);
    return button;
}

CheckButton* Check(const char* caption, int value, QWidget* parent, int left, int top, int width,
                   int height) {
    auto* box =
        Place(new CheckButton(QString::fromUtf8(caption), value, parent), left, top, width, height);
    SetFace(box, kIdleFace);
    return box;
}

QPushButton* Slot(const SlotPlace& place, QWidget* parent) {
    auto* button = Place(new SlotButton(QString::fromUtf8(place.caption), parent), place.left,
                         place.top, 975, 495);
    button->setFont(ArialFont(6.75));
    SetFace(button, kIdleFace);
    return button;
}

PictureBox* Picture(QWidget* parent, int left, int top, int width, int height, double scaleWidth,
                    double scaleHeight) {
    auto* picture =
        Place(new PictureBox(scaleWidth, scaleHeight, parent), left, top, width, height);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return picture;
}

}  // namespace

PanelControls BuildPanelControls(QWidget* client) {
    client->setFont(ArialFont(8));
    PanelControls c;
    // Created first so that they lead the tab order: "&Start Engine" holds the focus.
    c.Send = CommandButton("&Start Engine", client, 6600);
    c.Send->setDefault(true);
    c.Send->setEnabled(false);
    c.CancelButton = CommandButton("&Exit", client, 7080);

    c.chkSimMouse = Check("Simulate Mouse", 0, client, 240, 240, 855, 495);
    c.chkMovement = Check("Enabled", 1, client, 2520, 240, 1095, 375);
    c.Label2 = Caption("Dead Zone", client, 1320, 2880, 1215, 255);
    c.DeadZone = Place(new ScrollBar(20, 500, 100, client), 360, 3120, 3135, 255);
    c.Label5 = Caption("Walk Zone", client, 1320, 3600, 1215, 255);
    c.MidDeadZone = Place(new ScrollBar(20, 500, 470, client), 360, 3840, 3135, 255);
    c.MidDeadZone->setEnabled(false);
    c.chkWalk = Check("Enabled", 0, client, 360, 4200, 2055, 495);
    c.chkCCTIMER = Check("High Precision Timer", 0, client, 360, 5040, 3135, 375);
    c.Label4 = Caption("Engine Frequency =", client, 360, 5520, 3135, 255);
    c.Freq = Place(new ScrollBar(1, 10, 5, client), 360, 5880, 3135, 255);
    c.chkAngles = Check("Enabled", 1, client, 4800, 240, 1695, 375);
    c.Label3 = Caption("Dead Zone", client, 5040, 2400, 1095, 255);
    c.DeadZone2 = Place(new ScrollBar(20, 500, 450, client), 4080, 2640, 3135, 255);

    c.Picture1 = Picture(client, 1200, 720, 1455, 1455, 1030, 1030);
    c.Picture2 = Picture(client, 4920, 720, 1455, 1455, 1030, 1030);
    c.Picture2->SetDrawWidth(2);
    c.Slider = Picture(client, 3120, 6480, 495, 975, 210, 750);
    c.Slider->SetFillColor(kRed);
    c.lblSwitch = Caption("°°°  °°   °  ", client, 2640, 6480, 495, 975);
    c.lblSwitch->setFont(ArialFont(15.75, true));
    c.lblSwitch->setWordWrap(true);

    for (std::size_t slot = 0; slot < kPanelSlots.size(); ++slot) {
        c.btnKEY[slot] = Slot(kPanelSlots[slot], client);
    }
    // Walk is off at design, and its button with it.
    c.btnKEY[kWalkSlot]->setEnabled(false);

    for (int page = 0; page < kPages; ++page) {
        auto* box =
            Place(new PageBox(page + 1, client), 3960, kPageTop[page], 3375, kPageHeight[page]);
        c.lblButton[page] = box;
        c.pageTitle[page] = Caption(kPageTitle[page], box, 1320, 0, 735, 255);
        c.pageTitle[page]->setFont(ArialFont(12, true));
        for (std::size_t k = 0; k < kPageSlots.size(); ++k) {
            c.btnKEY[16 + page * 6 + k] = Slot(kPageSlots[k], box);
        }
    }
    return c;
}

LiveViewControls LiveViewOf(const PanelControls& c) {
    LiveViewControls live{
        {c.lblButton[0], c.lblButton[1], c.lblButton[2]}, c.Slider, c.Picture1, c.Picture2, {}};
    std::copy(c.btnKEY.begin(), c.btnKEY.end(), live.btnKEY.begin());
    return live;
}

}  // namespace qv
