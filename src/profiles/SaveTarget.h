#pragma once

#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace qv {

// The file a save at `path` replaces: where a chain of symbolic links ends, so that a profile
// linked in from elsewhere is written there and the links stay. A link that points nowhere ends
// at the file it names. Sets `error` for links that loop.
std::filesystem::path LinkedFile(const std::filesystem::path& path, std::error_code& error);

// Whether the write permission bits that apply to this process (owner, group or others) are
// clear. Decided from the bits alone, so that root, whom the system lets write anything, does not
// overwrite a profile its owner made read-only.
bool IsReadOnly(const struct stat& status);

}  // namespace qv
