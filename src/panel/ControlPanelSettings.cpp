#include <QSignalBlocker>

#include "panel/ControlPanel.h"

namespace qv {

namespace {

void ShowValue(CheckButton* box, int value) {
    const QSignalBlocker quiet(box);
    box->SetValue(value);
}

// A thumb being dragged already stands where the rules took its value from.
void ShowValue(ScrollBar* bar, int value) {
    if (bar->sliderPosition() != value) {
        const QSignalBlocker quiet(bar);
        bar->setValue(value);
    }
}

}  // namespace

// The controls report what the user does to the rules, and show what the rules leave.
void ControlPanel::ConnectSettings() {
    const auto check = [this](CheckButton* box, Setting setting) {
        connect(box, &CheckButton::valueChanged, this,
                [this, setting](int value) { rules_.Commit(setting, value); });
    };
    const auto bar = [this](ScrollBar* scroll, Setting setting) {
        connect(scroll, &QScrollBar::valueChanged, this,
                [this, setting](int value) { rules_.Commit(setting, value); });
        connect(scroll, &QScrollBar::sliderMoved, this,
                [this, setting](int position) { rules_.Drag(setting, position); });
    };
    check(c_.chkMovement, &PanelSettings::chkMovement);
    check(c_.chkAngles, &PanelSettings::chkAngles);
    check(c_.chkWalk, &PanelSettings::chkWalk);
    check(c_.chkSimMouse, &PanelSettings::chkSimMouse);
    check(c_.chkCCTIMER, &PanelSettings::chkCCTIMER);
    bar(c_.DeadZone, &PanelSettings::DeadZone);
    bar(c_.MidDeadZone, &PanelSettings::MidDeadZone);
    bar(c_.DeadZone2, &PanelSettings::DeadZone2);
    bar(c_.Freq, &PanelSettings::Freq);
    for (PageBox* page : c_.lblButton) {
        connect(page, &PageBox::clicked, this, &ControlPanel::lblButton_Click);
    }
}

void ControlPanel::MirrorSettings() {
    const PanelSettings& v = rules_.Values();
    ShowValue(c_.chkMovement, v.chkMovement);
    ShowValue(c_.chkAngles, v.chkAngles);
    ShowValue(c_.chkWalk, v.chkWalk);
    ShowValue(c_.chkSimMouse, v.chkSimMouse);
    ShowValue(c_.chkCCTIMER, v.chkCCTIMER);
    ShowValue(c_.DeadZone, v.DeadZone);
    ShowValue(c_.MidDeadZone, v.MidDeadZone);
    ShowValue(c_.DeadZone2, v.DeadZone2);
    ShowValue(c_.Freq, v.Freq);
    const QString frequency = QStringLiteral("Engine Frequency =  %1ms").arg(v.Freq);
    if (c_.Label4->text() != frequency) {
        c_.Label4->setText(frequency);
    }

    const SettingsStates& s = rules_.States();
    c_.chkSimMouse->setEnabled(s.chkSimMouse);
    c_.chkWalk->setEnabled(s.chkWalk);
    c_.DeadZone->setEnabled(s.DeadZone);
    c_.MidDeadZone->setEnabled(s.MidDeadZone);
    c_.DeadZone2->setEnabled(s.DeadZone2);
    for (int slot = 0; slot < 4; ++slot) {
        c_.btnKEY[slot]->setEnabled(s.directions);
        c_.btnKEY[slot]->setVisible(s.directionsShown);
    }
    c_.btnKEY[4]->setEnabled(s.twist);
    c_.btnKEY[5]->setEnabled(s.twist);
    c_.btnKEY[kWalkSlot]->setEnabled(s.walk);
    if (rules_.TakeFocusRequest()) {
        FocusSend();
    }
}

void ControlPanel::lblButton_Click(int Index) {
    model_.Pages = PageLayout(Index);
}

}  // namespace qv
