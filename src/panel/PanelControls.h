#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>

#include "model/Model.h"
#include "panel/LiveView.h"
#include "panel/PageBox.h"
#include "ui/CheckButton.h"
#include "ui/PictureBox.h"
#include "ui/ScrollBar.h"

namespace qv {

// The panel's controls, all children of its client area, at their design values.
struct PanelControls {
    QPushButton* Send = nullptr;
    QPushButton* CancelButton = nullptr;

    CheckButton* chkSimMouse = nullptr;
    CheckButton* chkMovement = nullptr;
    CheckButton* chkWalk = nullptr;
    CheckButton* chkCCTIMER = nullptr;
    CheckButton* chkAngles = nullptr;

    ScrollBar* DeadZone = nullptr;
    ScrollBar* MidDeadZone = nullptr;
    ScrollBar* Freq = nullptr;
    ScrollBar* DeadZone2 = nullptr;

    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;

    std::array<QPushButton*, kSlots> btnKEY{};
    // lblButton(1..3) at 0..2, each with its title label Label1, Label6, Label7.
    std::array<PageBox*, kPages> lblButton{};
    std::array<QLabel*, kPages> pageTitle{};

    // The stick view, the twist view and the mode marker.
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    PictureBox* Slider = nullptr;
    QLabel* lblSwitch = nullptr;
};

// Creates every control on `client` with its design caption, value, state and geometry.
PanelControls BuildPanelControls(QWidget* client);

// The controls among them that the live view draws on.
LiveViewControls LiveViewOf(const PanelControls& c);

}  // namespace qv
