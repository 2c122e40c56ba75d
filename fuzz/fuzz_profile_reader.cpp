#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "profiles/ProfileReader.h"
#include "profiles/ProfileWriter.h"

namespace {

// The settings exactly as the file holds them, so that a save can write them back.
qv::PanelSettings AsTheFileHoldsThem(const qv::Profile& profile) {
    qv::PanelSettings settings;
    for (const qv::ProfileItem& item : qv::ProfileItems()) {
        if (item.setting != nullptr) {
            settings.*item.setting = (profile.*item.value).value_or(item.whenAbsent.value_or(0));
        }
    }
    return settings;
}

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

// Any input is read without a fault; one the reader accepts loads with the walk zone at or above
// the dead zone, and saves and reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qv::ProfileReadResult read = qv::ReadProfile(text);
    if (!read.profile) {
        Check(read.error.line >= 1 && !read.error.what.empty());
        return 0;
    }
    const auto model = std::make_unique<qv::Model>();
    qv::SettingsRules rules(model->settings);
    qv::ApplyProfile(*read.profile, *model, rules);
    Check(model->settings.MidDeadZone >= model->settings.DeadZone);

    const qv::ProfileWriteResult written =
        qv::WriteProfile(*model, AsTheFileHoldsThem(*read.profile));
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
