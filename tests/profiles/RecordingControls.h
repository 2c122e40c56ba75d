#pragma once

#include <utility>
#include <vector>

#include "model/Model.h"
#include "profiles/Profile.h"

namespace qv::test {

// Settings controls without handlers: each value is recorded and kept in `settings`.
class RecordingControls final : public ProfileControls {
public:
    void SetControlValue(Item item, int value) override {
        calls.emplace_back(item, value);
        switch (item) {
            case Item::DeadZone:
                settings.DeadZone = value;
                break;
            case Item::MidDeadZone:
                settings.MidDeadZone = value;
                break;
            case Item::chkWalk:
                settings.chkWalk = value;
                break;
            case Item::chkCCTIMER:
                settings.chkCCTIMER = value;
                break;
            case Item::chkAngles:
                settings.chkAngles = value;
                break;
            case Item::DeadZone2:
                settings.DeadZone2 = value;
                break;
            case Item::chkSimMouse:
                settings.chkSimMouse = value;
                break;
            case Item::chkMovement:
                settings.chkMovement = value;
                break;
            default:
                break;
        }
    }

    std::vector<std::pair<Item, int>> calls;
    PanelSettings settings;
};

}  // namespace qv::test
