#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "profiles/Profile.h"

namespace qv {

// Why a profile can't be loaded. `line` counts from 1; 0 when the file as a whole is at fault.
struct ProfileError {
    int line = 0;
    std::string what;

    // "line 17: ..." or just `what` for line 0.
    std::string Message() const;
};

struct ProfileReadResult {
    std::optional<Profile> profile;  // set when the whole file was read and found sound
    ProfileError error;
};

// Reads and checks a whole profile. CR LF and LF-only line ends are both accepted; whatever
// follows the last item is not read.
ProfileReadResult ReadProfile(std::string_view text);

// Reads the file at `path`; a file that can't be opened or read is refused with the reason.
ProfileReadResult ReadProfileFile(const std::filesystem::path& path);

}  // namespace qv
