#include "profiles/SaveTarget.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

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

bool IsReadOnly(const fs::path& file, const struct stat& status) {
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return true;
    }
    // Other failures, a file gone meanwhile say, are left to the write, which names them.
    return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EROFS);
}

}  // namespace qv
