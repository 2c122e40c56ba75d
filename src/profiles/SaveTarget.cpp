#include "profiles/SaveTarget.h"

#include <unistd.h>

#include <algorithm>
#include <vector>

namespace qv {

namespace fs = std::filesystem;

fs::path LinkedFile(const fs::path& path, std::error_code& error) {
    // The kernel's own limit on links followed in one lookup.
    constexpr int kMostLinks = 40;
    error.clear();
    fs::path file = path;
    for (int followed = 0; followed <= kMostLinks; ++followed) {
        std::error_code ignored;
        if (!fs::is_symlink(fs::symlink_status(file, ignored))) {
            if (followed == 0) {
                return file;
            }
            // Links that climb out of their folders read as a plain path in messages.
            const fs::path plain = fs::weakly_canonical(file, ignored);
            return ignored ? file : plain;
        }
        const fs::path next = fs::read_symlink(file, error);
        if (error) {
            return file;
        }
        // A relative link is relative to its own folder; an absolute one replaces the path.
        file = file.parent_path() / next;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return file;
}

bool IsReadOnly(const struct stat& status) {
    if (status.st_uid == ::geteuid()) {
        return (status.st_mode & S_IWUSR) == 0;
    }
    bool inGroup = status.st_gid == ::getegid();
    if (!inGroup) {
        std::vector<gid_t> groups(static_cast<size_t>(std::max(::getgroups(0, nullptr), 0)));
        const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
        groups.resize(static_cast<size_t>(std::max(count, 0)));
        inGroup = std::find(groups.begin(), groups.end(), status.st_gid) != groups.end();
    }
    return (status.st_mode & (inGroup ? S_IWGRP : S_IWOTH)) == 0;
}

}  // namespace qv
