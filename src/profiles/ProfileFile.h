#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace qv {

// Writes up to `size` bytes to `fd`, as ::write does; a save takes ::write itself unless given
// another, and treats a short or failed write alike from either.
using WriteFunction = std::function<ssize_t(int fd, const void* data, size_t size)>;

// Asked whether a complete new profile may replace the existing one of the same name.
using ReplaceQuestion = std::function<bool()>;

// Saves `bytes` as `folder`/`name`, creating `folder` when it is missing; when that name is a
// symbolic link, the file at the end of its links is the target, and the links stay. A read-only
// target is refused before anything is written. The bytes go to a temporary file beside the
// target, which replaces the target, keeping its permissions, only once it is complete and
// flushed, so a failed save leaves an existing profile as it was. Only then, and only when the
// target exists, is `mayReplace` asked; its no keeps the target and counts as no failure. Answers
// why it failed, or nothing.
std::optional<std::string> SaveProfileFile(const std::filesystem::path& folder,
                                           const std::string& name, std::string_view bytes,
                                           const WriteFunction& write = {},
                                           const ReplaceQuestion& mayReplace = {});

// True for an existing entry that is not a folder; false for a folder and on any error.
bool FileExists(const std::filesystem::path& path);

// The files in `folder` whose names equal `name` when the case of ASCII letters is ignored, in
// name order; folders are left out.
std::vector<std::string> NamesIgnoringCase(const std::filesystem::path& folder,
                                           const std::string& name);

// An empty answer of the file-name dialog, or one that ends in a folder separator, chooses nothing.
bool IsNoChoice(const std::string& name);

// The name a save writes: ".qv1" appended unless the name already ends in it, in any case.
std::string SaveFileName(const std::string& name);

// Wildcards name no single file; a save refuses such a name.
bool HasWildcard(const std::string& name);

}  // namespace qv
