#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "TempFolder.h"
#include "profiles/ProfileFile.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SaveProfileFile, CreatesTheFolderAndReplacesTheFile) {
    test::TempFolder temp;
    const fs::path folder = temp.Path() / "Strategic Commander";
    EXPECT_EQ(SaveProfileFile(folder, "a.qv1", "1\r\n"), std::nullopt);
    EXPECT_EQ(test::Contents(folder / "a.qv1"), "1\r\n");

    ::chmod((folder / "a.qv1").c_str(), 0640);
    EXPECT_EQ(SaveProfileFile(folder, "a.qv1", "2\r\n"), std::nullopt);
    EXPECT_EQ(test::Contents(folder / "a.qv1"), "2\r\n");
    struct stat status {};
    ::stat((folder / "a.qv1").c_str(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640u) << "a replaced profile keeps its permissions";
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"a.qv1"});

    EXPECT_EQ(SaveProfileFile(folder, "/b.qv1", "3\r\n"), std::nullopt);
    EXPECT_EQ(test::Contents(folder / "b.qv1"), "3\r\n");
}

TEST(SaveProfileFile, AFailedSaveLeavesTheOldProfileWhole) {
    test::TempFolder temp;
    test::Put(temp.Path() / "a.qv1", "old\r\n");
    size_t room = 10;
    const auto diskFills = [&room](int fd, const void* data, size_t size) -> ssize_t {
        if (room == 0) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t written = ::write(fd, data, std::min(size, room));
        room -= static_cast<size_t>(written);
        return written;
    };
    const std::optional<std::string> failure =
        SaveProfileFile(temp.Path(), "a.qv1", std::string(100, '1'), diskFills);
    EXPECT_EQ(failure, "can't be written: No space left on device");
    EXPECT_EQ(test::Contents(temp.Path() / "a.qv1"), "old\r\n");
    EXPECT_EQ(Entries(temp.Path()), std::vector<std::string>{"a.qv1"});

    EXPECT_EQ(SaveProfileFile(temp.Path(), "missing/b.qv1", "1\r\n"),
              "can't be written: No such file or directory");
    fs::create_directory(temp.Path() / "c.qv1");
    EXPECT_TRUE(SaveProfileFile(temp.Path(), "c.qv1", "1\r\n"));
    EXPECT_NE(SaveProfileFile(temp.Path() / "a.qv1", "d.qv1", "1\r\n")->find("can't be created"),
              std::string::npos);
    EXPECT_EQ(Entries(temp.Path()), (std::vector<std::string>{"a.qv1", "c.qv1"}));
}

TEST(SaveProfileFile, AsksToReplaceOnlyOnceTheNewProfileIsWritten) {
    test::TempFolder temp;
    test::Put(temp.Path() / "a.qv1", "old\r\n");
    int asked = 0;
    const auto answer = [&asked](bool yes) {
        return [&asked, yes] {
            ++asked;
            return yes;
        };
    };
    const auto diskFull = [](int, const void*, size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    EXPECT_TRUE(SaveProfileFile(temp.Path(), "a.qv1", "new\r\n", diskFull, answer(true)));
    EXPECT_EQ(asked, 0) << "a save that can't be done asks nothing";

    EXPECT_EQ(SaveProfileFile(temp.Path(), "a.qv1", "new\r\n", {}, answer(false)), std::nullopt);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(test::Contents(temp.Path() / "a.qv1"), "old\r\n");
    EXPECT_EQ(Entries(temp.Path()), std::vector<std::string>{"a.qv1"}) << "no leftovers";

    EXPECT_EQ(SaveProfileFile(temp.Path(), "a.qv1", "new\r\n", {}, answer(true)), std::nullopt);
    EXPECT_EQ(test::Contents(temp.Path() / "a.qv1"), "new\r\n");
    EXPECT_EQ(SaveProfileFile(temp.Path(), "b.qv1", "new\r\n", {}, answer(false)), std::nullopt);
    EXPECT_EQ(asked, 2) << "a new name is not asked about";
    EXPECT_EQ(test::Contents(temp.Path() / "b.qv1"), "new\r\n");
}

TEST(FileExists, OnlyForEntriesThatAreNotFolders) {
    test::TempFolder temp;
    test::Put(temp.Path() / "a.qv1", "1");
    fs::create_symlink(temp.Path() / "gone", temp.Path() / "dangling");
    EXPECT_TRUE(FileExists(temp.Path() / "a.qv1"));
    EXPECT_FALSE(FileExists(temp.Path()));
    EXPECT_FALSE(FileExists(temp.Path() / "b.qv1"));
    EXPECT_FALSE(FileExists(temp.Path() / "dangling"));
    EXPECT_FALSE(FileExists(temp.Path() / "a.qv1" / "x"));
    EXPECT_FALSE(FileExists(""));
}

TEST(ProfileNames, SavingAndChoosing) {
    EXPECT_EQ(SaveFileName("test"), "test.qv1");
    EXPECT_EQ(SaveFileName("Test.QV1"), "Test.QV1");
    EXPECT_EQ(SaveFileName("a.txt"), "a.txt.qv1");
    EXPECT_EQ(SaveFileName("qv1"), "qv1.qv1");
    EXPECT_EQ(SaveFileName(".qV1"), ".qV1");
    EXPECT_TRUE(IsNoChoice(""));
    EXPECT_TRUE(IsNoChoice("sub/"));
    EXPECT_TRUE(IsNoChoice("sub\\"));
    EXPECT_FALSE(IsNoChoice("sub/a"));
    EXPECT_TRUE(HasWildcard("*.qv1"));
    EXPECT_TRUE(HasWildcard("a?.qv1"));
    EXPECT_FALSE(HasWildcard("a.qv1"));
}

}  // namespace
}  // namespace qv
