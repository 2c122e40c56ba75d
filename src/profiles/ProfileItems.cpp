#include "profiles/Profile.h"

namespace qv {

namespace {

constexpr ProfileItem Limit(Item item, const char* name, int16_t CalibrationLimits::*limit) {
    return {item, name, INT16_MIN, INT16_MAX, limit, nullptr, nullptr, std::nullopt};
}

constexpr ProfileItem Zone(Item item, const char* name, Setting setting,
                           std::optional<int> Profile::*value) {
    return {item, name, 20, 500, nullptr, setting, value, std::nullopt};
}

constexpr ProfileItem Box(Item item, const char* name, Setting setting,
                          std::optional<int> Profile::*value,
                          std::optional<int> whenAbsent = std::nullopt) {
    return {item, name, 0, 2, nullptr, setting, value, whenAbsent};
}

using P = PanelSettings;

constexpr std::array<ProfileItem, 15> kItems{{
    Limit(Item::MinX, "MinX", &CalibrationLimits::MinX),
    Limit(Item::MaxX, "MaxX", &CalibrationLimits::MaxX),
    Limit(Item::MinY, "MinY", &CalibrationLimits::MinY),
    Limit(Item::MaxY, "MaxY", &CalibrationLimits::MaxY),
    Limit(Item::MinTurn, "MinTurn", &CalibrationLimits::MinTurn),
    Limit(Item::MaxTurn, "MaxTurn", &CalibrationLimits::MaxTurn),
    Zone(Item::DeadZone, "the dead zone", &P::DeadZone, &Profile::DeadZone),
    Zone(Item::MidDeadZone, "the walk zone", &P::MidDeadZone, &Profile::MidDeadZone),
    Box(Item::chkWalk, "the walk check box", &P::chkWalk, &Profile::chkWalk),
    Box(Item::chkCCTIMER, "the High Precision Timer check box", &P::chkCCTIMER,
        &Profile::chkCCTIMER),
    Box(Item::chkAngles, "the twist check box", &P::chkAngles, &Profile::chkAngles),
    Zone(Item::DeadZone2, "the twist dead zone", &P::DeadZone2, &Profile::DeadZone2),
    {Item::Blocks, "the assignments", 0, 0, nullptr, nullptr, nullptr, std::nullopt},
    Box(Item::chkSimMouse, "the Simulate Mouse check box", &P::chkSimMouse, &Profile::chkSimMouse,
        0),
    Box(Item::chkMovement, "the movement check box", &P::chkMovement, &Profile::chkMovement, 1),
}};

}  // namespace

const std::array<ProfileItem, 15>& ProfileItems() {
    return kItems;
}

}  // namespace qv
