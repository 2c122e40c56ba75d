#include "panel/Dialog1.h"

namespace qv {

namespace {

using Field = int PanelSettings::*;

}  // namespace

// Every control writes its value into model.settings before its handler runs, so the engine
// and the handlers further down a cascade see the values as they stand.
void Dialog1::ConnectSettings() {
    const auto check = [this](CheckButton* box, Field field, void (Dialog1::*click)()) {
        model_.settings.*field = box->Value();
        connect(box, &CheckButton::valueChanged, this, [this, field, click](int value) {
            model_.settings.*field = value;
            (this->*click)();
        });
    };
    const auto bar = [this](ScrollBar* scroll, Field field, void (Dialog1::*change)(),
                            void (Dialog1::*onScroll)()) {
        model_.settings.*field = scroll->Value();
        connect(scroll, &QScrollBar::valueChanged, this, [this, field, change](int value) {
            model_.settings.*field = value;
            (this->*change)();
        });
        connect(scroll, &QScrollBar::sliderMoved, this, [this, field, onScroll](int position) {
            model_.settings.*field = position;
            if (onScroll != nullptr) {
                (this->*onScroll)();
            }
        });
    };
    check(c_.chkMovement, &PanelSettings::chkMovement, &Dialog1::chkMovement_Click);
    check(c_.chkAngles, &PanelSettings::chkAngles, &Dialog1::chkAngles_Click);
    check(c_.chkWalk, &PanelSettings::chkWalk, &Dialog1::chkWalk_Click);
    check(c_.chkSimMouse, &PanelSettings::chkSimMouse, &Dialog1::chkSimMouse_Click);
    check(c_.chkCCTIMER, &PanelSettings::chkCCTIMER, &Dialog1::chkCCTIMER_Click);
    bar(c_.DeadZone, &PanelSettings::DeadZone, &Dialog1::DeadZone_Change,
        &Dialog1::DeadZone_Scroll);
    bar(c_.MidDeadZone, &PanelSettings::MidDeadZone, &Dialog1::MidDeadZone_Change,
        &Dialog1::MidDeadZone_Scroll);
    bar(c_.DeadZone2, &PanelSettings::DeadZone2, &Dialog1::DeadZone2_Change, nullptr);
    bar(c_.Freq, &PanelSettings::Freq, &Dialog1::Freq_Change, &Dialog1::Freq_Scroll);
    for (PageBox* page : c_.lblButton) {
        connect(page, &PageBox::clicked, this, &Dialog1::lblButton_Click);
    }
}

void Dialog1::RaiseWalkZoneToDeadZone() {
    if (c_.DeadZone->Value() > c_.MidDeadZone->Value() || c_.chkWalk->Value() == 0) {
        c_.MidDeadZone->SetValue(c_.DeadZone->Value());
    }
}

void Dialog1::PullDeadZoneToWalkZone() {
    if (c_.DeadZone->Value() > c_.MidDeadZone->Value()) {
        c_.DeadZone->SetValue(c_.MidDeadZone->Value());
    }
}

void Dialog1::DeadZone_Change() {
    RaiseWalkZoneToDeadZone();
    FocusSend();
}

void Dialog1::DeadZone_Scroll() {
    RaiseWalkZoneToDeadZone();
}

void Dialog1::MidDeadZone_Change() {
    PullDeadZoneToWalkZone();
    if (c_.MidDeadZone->isEnabled()) {
        FocusSend();
    }
}

void Dialog1::MidDeadZone_Scroll() {
    PullDeadZoneToWalkZone();
}

void Dialog1::DeadZone2_Change() {
    FocusSend();
}

void Dialog1::ShowFrequency() {
    c_.Label4->setText(QStringLiteral("Engine Frequency =  %1ms").arg(c_.Freq->Value()));
}

void Dialog1::Freq_Change() {
    ShowFrequency();
    FocusSend();
}

void Dialog1::Freq_Scroll() {
    ShowFrequency();
    FocusSend();
}

void Dialog1::chkWalk_Click() {
    if (c_.chkWalk->Value() == 1) {
        c_.btnKEY[kWalkSlot]->setEnabled(true);
        c_.MidDeadZone->setEnabled(true);
        c_.MidDeadZone->SetValue(SavedWalkZone);
    } else {
        c_.btnKEY[kWalkSlot]->setEnabled(false);
        SavedWalkZone = static_cast<int16_t>(c_.MidDeadZone->Value());
        c_.MidDeadZone->setEnabled(false);
        c_.MidDeadZone->SetValue(c_.DeadZone->Value());
    }
    FocusSend();
}

void Dialog1::chkSimMouse_Click() {
    if (c_.chkSimMouse->Value() != 0) {
        for (int slot = 0; slot < 4; ++slot) {
            c_.btnKEY[slot]->setEnabled(false);
            c_.btnKEY[slot]->setVisible(false);
        }
        SavedWalkState = static_cast<uint8_t>(c_.chkWalk->Value());
        if (c_.chkWalk->Value() != 0) {
            SavedWalkZone = static_cast<int16_t>(c_.MidDeadZone->Value());
        }
        c_.chkWalk->SetValue(0);
        c_.chkWalk->setEnabled(false);
    }
    if (c_.chkSimMouse->Value() == 0) {
        for (int slot = 0; slot < 4; ++slot) {
            c_.btnKEY[slot]->setEnabled(true);
            c_.btnKEY[slot]->setVisible(true);
        }
        c_.chkWalk->setEnabled(true);
        c_.chkWalk->SetValue(SavedWalkState);
        if (c_.chkWalk->Value() != 0) {
            c_.MidDeadZone->SetValue(SavedWalkZone);
        }
    }
    FocusSend();
}

void Dialog1::chkMovement_Click() {
    const bool on = c_.chkMovement->Value() != 0;
    c_.chkSimMouse->setEnabled(on);
    for (int slot = 0; slot < 4; ++slot) {
        c_.btnKEY[slot]->setEnabled(on);
    }
    c_.DeadZone->setEnabled(on);
}

void Dialog1::chkAngles_Click() {
    const bool on = c_.chkAngles->Value() != 0;
    c_.btnKEY[4]->setEnabled(on);
    c_.btnKEY[5]->setEnabled(on);
    c_.DeadZone2->setEnabled(on);
    FocusSend();
}

void Dialog1::lblButton_Click(int Index) {
    model_.Pages = PageLayout(Index);
}

void Dialog1::SetControlValue(Item item, int value) {
    switch (item) {
        case Item::DeadZone:
            c_.DeadZone->SetValue(value);
            break;
        case Item::MidDeadZone:
            c_.MidDeadZone->SetValue(value);
            break;
        case Item::chkWalk:
            c_.chkWalk->SetValue(value);
            break;
        case Item::chkCCTIMER:
            c_.chkCCTIMER->SetValue(value);
            break;
        case Item::chkAngles:
            c_.chkAngles->SetValue(value);
            break;
        case Item::DeadZone2:
            c_.DeadZone2->SetValue(value);
            break;
        case Item::chkSimMouse:
            c_.chkSimMouse->SetValue(value);
            break;
        case Item::chkMovement:
            c_.chkMovement->SetValue(value);
            break;
        default:
            break;  // the limits and the assignments are no controls
    }
}

}  // namespace qv
