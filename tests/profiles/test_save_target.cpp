#include <gtest/gtest.h>

#include <grp.h>
#include <linux/posix_acl.h>
#include <linux/posix_acl_xattr.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "TempFolder.h"
#include "profiles/ProfileFile.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

struct AclEntry {
    uint16_t tag;
    uint16_t perm;
    uint32_t id = static_cast<uint32_t>(ACL_UNDEFINED_ID);
};

// Gives `file` an access ACL, as setfacl does; the entries in the kernel's order, by tag and id.
bool SetAcl(const fs::path& file, const std::vector<AclEntry>& entries) {
    const posix_acl_xattr_header header{POSIX_ACL_XATTR_VERSION};
    std::vector<char> bytes(reinterpret_cast<const char*>(&header),
                            reinterpret_cast<const char*>(&header + 1));
    for (const AclEntry& entry : entries) {
        const posix_acl_xattr_entry raw{entry.tag, entry.perm, entry.id};
        bytes.insert(bytes.end(), reinterpret_cast<const char*>(&raw),
                     reinterpret_cast<const char*>(&raw + 1));
    }
    return ::setxattr(file.c_str(), "system.posix_acl_access", bytes.data(), bytes.size(), 0) == 0;
}

// Root acts as another user, with that user's group alone, until this goes away.
class ActingAs final {
public:
    explicit ActingAs(const passwd& user) {
        groups_.resize(static_cast<size_t>(::getgroups(0, nullptr)));
        groups_.resize(
            static_cast<size_t>(::getgroups(static_cast<int>(groups_.size()), groups_.data())));
        acting_ = ::setgroups(0, nullptr) == 0 && ::setegid(user.pw_gid) == 0 &&
                  ::seteuid(user.pw_uid) == 0;
    }
    ~ActingAs() {
        if (::seteuid(0) != 0 || ::setegid(gid_) != 0 ||
            ::setgroups(groups_.size(), groups_.data()) != 0) {
            std::abort();
        }
    }
    ActingAs(const ActingAs&) = delete;
    ActingAs& operator=(const ActingAs&) = delete;

    bool Acting() const { return acting_; }

private:
    gid_t gid_ = ::getegid();
    std::vector<gid_t> groups_;
    bool acting_ = false;
};

TEST(SaveProfileFile, WritesWhatTheKernelLetsThePersonWriteACLsIncluded) {
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || nobody == nullptr) {
        GTEST_SKIP() << "only root can save as another user (nobody), whom the ACLs name";
    }
    test::TempFolder temp;
    fs::permissions(temp.Path(), fs::perms::others_exec, fs::perm_options::add);
    const fs::path folder = temp.Path() / "Strategic Commander";
    fs::create_directory(folder);
    ASSERT_EQ(::chown(folder.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    const auto profile = [&folder](const char* name) {
        test::Put(folder / name, "old\r\n");
        ::chmod((folder / name).c_str(), 0644);
        return folder / name;
    };
    // Root's file, which nobody may write by name.
    const fs::path granted = profile("granted.qv1");
    if (!SetAcl(granted, {{ACL_USER_OBJ, ACL_READ | ACL_WRITE},
                          {ACL_USER, ACL_READ | ACL_WRITE, nobody->pw_uid},
                          {ACL_GROUP_OBJ, ACL_READ},
                          {ACL_MASK, ACL_READ | ACL_WRITE},
                          {ACL_OTHER, ACL_READ}})) {
        GTEST_SKIP() << "the temporary folder's file system keeps no ACLs: "
                     << std::strerror(errno);
    }
    // Nobody's group may only read, though the mode's group bits, the ACL's mask, say write.
    const fs::path denied = profile("denied.qv1");
    ASSERT_EQ(::chown(denied.c_str(), 0, nobody->pw_gid), 0);
    ASSERT_TRUE(SetAcl(denied, {{ACL_USER_OBJ, ACL_READ | ACL_WRITE},
                                {ACL_USER, ACL_READ | ACL_WRITE, 0},
                                {ACL_GROUP_OBJ, ACL_READ},
                                {ACL_MASK, ACL_READ | ACL_WRITE},
                                {ACL_OTHER, ACL_READ}}));
    {
        ActingAs asNobody(*nobody);
        ASSERT_TRUE(asNobody.Acting());
        EXPECT_EQ(SaveProfileFile(folder, "granted.qv1", "new\r\n"), std::nullopt);
        EXPECT_EQ(SaveProfileFile(folder, "denied.qv1", "new\r\n"), "the file is read-only");
    }
    EXPECT_EQ(test::Contents(granted), "new\r\n");
    EXPECT_EQ(test::Contents(denied), "old\r\n");

    // Root, whom the kernel lets write anything, keeps off a file no one may write.
    const fs::path kept = profile("kept.qv1");
    ::chmod(kept.c_str(), 0444);
    EXPECT_EQ(SaveProfileFile(folder, "kept.qv1", "new\r\n"), "the file is read-only");
    EXPECT_EQ(test::Contents(kept), "old\r\n");
}

}  // namespace
}  // namespace qv
