#include "profiles/ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <system_error>

#include "model/Concat.h"
#include "profiles/SaveTarget.h"

namespace qv {

namespace {

namespace fs = std::filesystem;

std::string ErrnoText() {
    return std::generic_category().message(errno);
}

// The start of `name` that fits in `bytes`, cut between characters.
std::string StartThatFits(const std::string& name, size_t bytes) {
    if (name.size() <= bytes) {
        return name;
    }
    while (bytes > 0 && (static_cast<unsigned char>(name[bytes]) & 0xC0) == 0x80) {
        --bytes;
    }
    return name.substr(0, bytes);
}

// Creates a file beside `target` that no one else uses; -1 with errno set when none can be made.
// Its name is cut to the folder's limit, so that a name that fits never fails for its temporary.
int CreateTemporary(const fs::path& target, fs::path& temporary) {
    const long limit = ::pathconf(target.parent_path().c_str(), _PC_NAME_MAX);
    const size_t longest = limit > 0 ? static_cast<size_t>(limit) : NAME_MAX;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string suffix =
            Concat({".", std::to_string(::getpid()), ".", std::to_string(attempt), ".tmp"});
        // A leading dot, the name cut to what fits, the suffix.
        const std::string start =
            StartThatFits(target.filename().string(), longest - 1 - suffix.size());
        temporary = target.parent_path() / Concat({".", start, suffix});
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

std::optional<std::string> WriteAll(int fd, std::string_view bytes, const WriteFunction& write) {
    while (!bytes.empty()) {
        const ssize_t written =
            write ? write(fd, bytes.data(), bytes.size()) : ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? ErrnoText() : "nothing more could be written";
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return std::nullopt;
}

// Writes and flushes the temporary file, with the permissions of the file it replaces, if any;
// answers why that failed.
std::optional<std::string> FillTemporary(int fd, const struct stat* replaced,
                                         std::string_view bytes, const WriteFunction& write) {
    if (replaced && ::fchmod(fd, replaced->st_mode & 07777) != 0) {
        return ErrnoText();
    }
    if (auto failure = WriteAll(fd, bytes, write)) {
        return failure;
    }
    if (::fsync(fd) != 0) {
        return ErrnoText();
    }
    return std::nullopt;
}

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::optional<std::string> SaveProfileFile(const fs::path& folder, const std::string& name,
                                           std::string_view bytes, const WriteFunction& write,
                                           const ReplaceQuestion& mayReplace) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        return "the folder " + folder.string() + " can't be created: " + error.message();
    }
    // Joined as text: a name that starts with a separator still lands inside the folder.
    const fs::path named = folder.string() + "/" + name;
    const fs::path target = LinkedFile(named, error);
    if (error) {
        return "its links can't be followed: " + error.message();
    }
    // A linked profile's failures name the file that lives elsewhere.
    const std::string linked =
        target == named ? std::string() : "it links to \"" + target.string() + "\", which ";
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0 && !S_ISDIR(existing.st_mode);
    if (exists && IsReadOnly(target, existing)) {
        return linked.empty() ? "the file is read-only" : linked + "is read-only";
    }
    fs::path temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) {
        return linked + "can't be written: " + ErrnoText();
    }
    std::optional<std::string> failure =
        FillTemporary(fd, exists ? &existing : nullptr, bytes, write);
    if (::close(fd) != 0 && !failure) {
        failure = ErrnoText();
    }
    if (!failure && mayReplace && exists && !mayReplace()) {
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    if (!failure && ::rename(temporary.c_str(), target.c_str()) != 0) {
        failure = ErrnoText();
    }
    if (failure) {
        ::unlink(temporary.c_str());
        return linked + "can't be written: " + *failure;
    }
    SyncFolder(target.parent_path());
    return std::nullopt;
}

bool FileExists(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::exists(status) && !fs::is_directory(status);
}

std::vector<std::string> NamesIgnoringCase(const fs::path& folder, const std::string& name) {
    std::vector<std::string> found;
    const std::string wanted = AsciiLower(name);
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string candidate = entry->path().filename().string();
        if (AsciiLower(candidate) == wanted && FileExists(entry->path())) {
            found.push_back(candidate);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool IsNoChoice(const std::string& name) {
    return name.empty() || name.back() == '/' || name.back() == '\\';
}

std::string SaveFileName(const std::string& name) {
    const std::string ending = name.size() >= 4 ? name.substr(name.size() - 4) : name;
    return AsciiLower(ending) == ".qv1" ? name : name + ".qv1";
}

bool HasWildcard(const std::string& name) {
    return name.find_first_of("*?") != std::string::npos;
}

}  // namespace qv
