#pragma once

#include <optional>
#include <string>

#include "model/Model.h"

namespace qv {

// Data that a profile file can't hold, found before anything is written.
struct ProfileWriteError {
    int mode = 0;
    int slot = 0;
    std::string what;

    // "mode 1, slot 5: ..."
    std::string Message() const;
};

struct ProfileWriteResult {
    std::string bytes;  // the whole file, when `error` is empty
    std::optional<ProfileWriteError> error;
};

// Builds a profile file from the tables and the panel's settings, items 1 to 15.
ProfileWriteResult WriteProfile(const Model& model, const PanelSettings& settings);

}  // namespace qv
