#include "profiles/ProfileWriter.h"

#include <charconv>
#include <cstdint>

#include "model/Windows1252.h"
#include "profiles/Profile.h"

namespace qv {

namespace {

constexpr size_t kMaxLabelLength = 254;

void Put(std::string& out, int value) {
    char digits[12];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
    out += "\r\n";
}

// Appends one block; answers why it can't be stored, or an empty text.
std::string PutBlock(std::string& out, const KeySteps& keys, const ComboSteps& combo,
                     const std::string& label) {
    for (int step = 0;; ++step) {
        if (step == kMaxKeyListValues || step == kSteps) {
            return "a key list of more than 255 values (a sequence or combination of more than "
                   "253 keys)";
        }
        const int32_t value = keys[step];
        if (value < 0 || value > INT16_MAX) {
            return "a key code outside 0..32767";
        }
        Put(out, combo[step] ? -value : value);
        if (step >= 1 && value == 0) {
            break;
        }
    }
    const std::optional<std::string> codes = Utf8ToWindows1252(label);
    if (!codes) {
        return "a label with a character outside Windows-1252";
    }
    if (codes->size() > kMaxLabelLength) {
        return "a label of more than 254 characters";
    }
    for (char code : *codes) {
        Put(out, static_cast<unsigned char>(code));
    }
    Put(out, 0);
    return {};
}

std::optional<ProfileWriteError> PutBlocks(std::string& out, const Model& model) {
    for (int mode = 0; mode < kModes; ++mode) {
        for (int slot = 0; slot < kSlots; ++slot) {
            const std::string fault =
                PutBlock(out, model.KeyMap[mode][slot], model.KeyMapCombo[mode][slot],
                         model.KeyLabel[mode][slot]);
            if (!fault.empty()) {
                return ProfileWriteError{mode, slot, fault};
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::string ProfileWriteError::Message() const {
    return "mode " + std::to_string(mode) + ", slot " + std::to_string(slot) + ": " + what;
}

ProfileWriteResult WriteProfile(const Model& model, const PanelSettings& settings) {
    std::string out;
    for (const ProfileItem& item : ProfileItems()) {
        if (item.limit != nullptr) {
            Put(out, model.axes.Limits.*item.limit);
        } else if (item.setting != nullptr) {
            Put(out, settings.*item.setting);
        } else if (std::optional<ProfileWriteError> error = PutBlocks(out, model)) {
            return {{}, std::move(error)};
        }
    }
    return {std::move(out), std::nullopt};
}

}  // namespace qv
