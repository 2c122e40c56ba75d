#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "profiles/ProfileReader.h"
#include "profiles/ProfileWriter.h"

namespace {

// Controls that keep what they are given, so that a save can write it back.
class StoredControls final : public qv::ProfileControls {
public:
    void SetControlValue(qv::Item item, int value) override {
        values[static_cast<size_t>(item)] = value;
    }
    std::array<int, 16> values{};
};

void Check(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

bool SameBlocks(const qv::Profile& a, const qv::Profile& b) {
    for (int mode = 0; mode < qv::kModes; ++mode) {
        for (int slot = 0; slot < qv::kSlots; ++slot) {
            const qv::ProfileBlock& x = a.blocks[mode][slot];
            const qv::ProfileBlock& y = b.blocks[mode][slot];
            if (x.label != y.label || x.steps.size() != y.steps.size()) {
                return false;
            }
            for (size_t step = 0; step < x.steps.size(); ++step) {
                if (x.steps[step].value != y.steps[step].value ||
                    x.steps[step].combo != y.steps[step].combo) {
                    return false;
                }
            }
        }
    }
    return true;
}

}  // namespace

// Any input is read without a fault; one the reader accepts loads, saves and reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qv::ProfileReadResult read = qv::ReadProfile(text);
    if (!read.profile) {
        Check(read.error.line >= 1 && !read.error.what.empty());
        return 0;
    }
    const auto model = std::make_unique<qv::Model>();
    StoredControls controls;
    qv::ApplyProfile(*read.profile, *model, controls);
    qv::PanelSettings settings;
    settings.DeadZone = controls.values[static_cast<size_t>(qv::Item::DeadZone)];
    settings.MidDeadZone = controls.values[static_cast<size_t>(qv::Item::MidDeadZone)];
    settings.chkWalk = controls.values[static_cast<size_t>(qv::Item::chkWalk)];
    settings.chkCCTIMER = controls.values[static_cast<size_t>(qv::Item::chkCCTIMER)];
    settings.chkAngles = controls.values[static_cast<size_t>(qv::Item::chkAngles)];
    settings.DeadZone2 = controls.values[static_cast<size_t>(qv::Item::DeadZone2)];
    settings.chkSimMouse = controls.values[static_cast<size_t>(qv::Item::chkSimMouse)];
    settings.chkMovement = controls.values[static_cast<size_t>(qv::Item::chkMovement)];

    const qv::ProfileWriteResult written = qv::WriteProfile(*model, settings);
    if (written.error) {
        // Labels of any length load, but a save holds at most 254 characters.
        Check(written.error->what.find("254 characters") != std::string::npos);
        return 0;
    }
    const qv::ProfileReadResult again = qv::ReadProfile(written.bytes);
    Check(again.profile.has_value());
    Check(SameBlocks(*read.profile, *again.profile));
    Check(again.profile->DeadZone == read.profile->DeadZone);
    Check(again.profile->limits.MinTurn == read.profile->limits.MinTurn);
    Check(again.profile->chkMovement == read.profile->chkMovement.value_or(1));
    return 0;
}
