#pragma once

#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace qv {

// The file a save at `path` replaces: where a chain of symbolic links ends, so that a profile
// linked in from elsewhere is written there and the links stay. A link that points nowhere ends
// at the file it names. Sets `error` for links that loop.
std::filesystem::path LinkedFile(const std::filesystem::path& path, std::error_code& error);

// Whether the person saving may not write `file`, whose status is `status`: the kernel decides,
// ACLs included. A mode that gives no one write permission counts as read-only for root too, whom
// the kernel lets write anything, so that root does not overwrite a profile made read-only.
bool IsReadOnly(const std::filesystem::path& file, const struct stat& status);

}  // namespace qv
