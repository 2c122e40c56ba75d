#include <gtest/gtest.h>

#include "ProfileText.h"
#include "profiles/ProfileReader.h"

namespace qv {
namespace {

using test::EmptyBlocks;
using test::Head;
using test::Lines;
using test::ReadValid;

// `text` with line `line` (from 1) replaced by `to`.
std::string Replaced(std::string text, int line, const std::string& to) {
    size_t start = 0;
    for (int skipped = 1; skipped < line; ++skipped) {
        start = text.find('\n', start) + 1;
    }
    text.replace(start, text.find('\r', start) - start, to);
    return text;
}

TEST(ProfileReader, ReadsItemsInFileOrder) {
    const std::string text = Lines({-1, 2, -3, 4, -5, 6, 20, 500, 1, 2, 0, 33}) +
                             Lines({0, -162, 65, 0, 67, 116, 114, 108, 0}) +
                             Lines({3, 65, 136, 66, 0, 128, 0}) + EmptyBlocks(100) + Lines({2, 0});
    const Profile profile = ReadValid(text);
    EXPECT_EQ(profile.limits.MinX, -1);
    EXPECT_EQ(profile.limits.MaxX, 2);
    EXPECT_EQ(profile.limits.MaxTurn, 6);
    EXPECT_EQ(profile.DeadZone, 20);
    EXPECT_EQ(profile.MidDeadZone, 500);
    EXPECT_EQ(profile.chkCCTIMER, 2);
    EXPECT_EQ(profile.DeadZone2, 33);
    const ProfileBlock& combo = profile.blocks[0][0];
    ASSERT_EQ(combo.steps.size(), 4u);
    EXPECT_EQ(combo.steps[1].value, 162);
    EXPECT_TRUE(combo.steps[1].combo);
    EXPECT_FALSE(combo.steps[2].combo);
    EXPECT_EQ(combo.label, "Ctrl");
    EXPECT_EQ(profile.blocks[0][1].steps.size(), 5u) << "a sequence goes on past its own 0";
    EXPECT_EQ(profile.blocks[0][1].label, "\u20AC");
    EXPECT_EQ(profile.blocks[2][33].steps.size(), 2u);
    EXPECT_EQ(profile.chkSimMouse, 2);
    EXPECT_EQ(profile.chkMovement, 0);
}

TEST(ProfileReader, AcceptsLooseButUnambiguousText) {
    const std::string text = Head() + EmptyBlocks(102) + Lines({1, 0});
    std::string lfOnly = text;
    std::erase(lfOnly, '\r');
    EXPECT_EQ(ReadValid(lfOnly).chkSimMouse, 1);
    EXPECT_EQ(ReadValid(text.substr(0, text.size() - 2)).chkMovement, 0) << "last line without end";
    EXPECT_EQ(ReadValid(Replaced(text, 12, "0450")).DeadZone2, 450);

    const Profile shorter = ReadValid(Head() + EmptyBlocks(102) + Lines({1}));
    EXPECT_EQ(shorter.chkSimMouse, 1);
    EXPECT_FALSE(shorter.chkMovement);
    const Profile shortest = ReadValid(Head() + EmptyBlocks(102));
    EXPECT_FALSE(shortest.chkSimMouse);
    EXPECT_FALSE(shortest.chkMovement);

    const Profile trailed = ReadValid(text + "\r\n" + Lines({0, 0, 0}) + "junk");
    EXPECT_EQ(trailed.chkSimMouse, 1);
    EXPECT_EQ(trailed.chkMovement, 0) << "nothing after the last item is read";

    const Profile skipped = ReadValid(Head() + Lines({0, 0, 65, -5, 66, 0}) + EmptyBlocks(101));
    EXPECT_EQ(skipped.blocks[0][0].label, "AB");
}

TEST(ProfileReader, EmptyLinesAtTheVeryEndAreTheEndOfTheFile) {
    for (const char* tail : {"\r\n", "\n", "\r\n\r\n\r\n"}) {
        const Profile old = ReadValid(Head() + EmptyBlocks(102) + tail);
        EXPECT_FALSE(old.chkSimMouse) << "an old profile without items 14 and 15";
        EXPECT_FALSE(old.chkMovement);
        const Profile partial = ReadValid(Head() + EmptyBlocks(102) + Lines({1}) + tail);
        EXPECT_EQ(partial.chkSimMouse, 1);
        EXPECT_FALSE(partial.chkMovement);
    }

    const ProfileReadResult early = ReadProfile(Head() + EmptyBlocks(101) + Lines({0}) + "\r\n");
    EXPECT_FALSE(early.profile);
    EXPECT_NE(early.error.what.find("ends before"), std::string::npos) << early.error.what;
    EXPECT_EQ(early.error.line, 12 + 101 * 3 + 2);

    const ProfileReadResult inside =
        ReadProfile(Head() + EmptyBlocks(102) + "\r\n" + Lines({1, 1}));
    EXPECT_FALSE(inside.profile) << "an empty line before the last item is no end";
    EXPECT_NE(inside.error.what.find("empty line"), std::string::npos);
}

TEST(ProfileReader, KeyListsHoldAtMost255Values) {
    std::string longest = Lines({254});
    for (int step = 1; step < 253; ++step) {
        longest += Lines({-65});
    }
    longest += Lines({66, 0});
    const Profile profile = ReadValid(Head() + longest + Lines({0}) + EmptyBlocks(101));
    ASSERT_EQ(profile.blocks[0][0].steps.size(), 255u);
    EXPECT_EQ(profile.blocks[0][0].steps[254].value, 0);

    const std::string tooLong = Replaced(longest, 254, "66\r\n67");
    const ProfileReadResult refused = ReadProfile(Head() + tooLong + Lines({0}) + EmptyBlocks(101));
    EXPECT_FALSE(refused.profile);
    EXPECT_EQ(refused.error.line, 12 + 256);
    EXPECT_NE(refused.error.what.find("mode 0, slot 0"), std::string::npos);
}

TEST(ProfileReader, RefusesFaultsNamingTheirLine) {
    const std::string good = Head() + EmptyBlocks(102) + Lines({0, 1});
    const struct {
        std::string text;
        int line;
        const char* what;
    } cases[] = {
        {"", 1, "ends before MinX"},
        {Replaced(good, 1, "abc"), 1, "not a decimal integer"},
        {Replaced(good, 7, "+100"), 7, "not a decimal integer"},
        {Replaced(good, 7, " 100"), 7, "not a decimal integer"},
        {Replaced(good, 7, "100 "), 7, "not a decimal integer"},
        {Replaced(good, 7, "1 2"), 7, "not a decimal integer"},
        {Replaced(good, 7, ""), 7, "empty line"},
        {Replaced(good, 2, "32768"), 2, "outside -32768..32767"},
        {Replaced(good, 2, "-99999999999999999999999"), 2, "outside"},
        {Replaced(good, 7, "19"), 7, "the dead zone must lie within 20..500, not 19"},
        {Replaced(good, 12, "501"), 12, "the twist dead zone"},
        {Replaced(good, 9, "3"), 9, "the walk check box"},
        {Head() + EmptyBlocks(102) + Lines({-1}), 319, "Simulate Mouse"},
        {Head() + Lines({0, -32768, 0, 0}) + EmptyBlocks(101), 14, "-32768 in a key list"},
        {Head() + Lines({0, 0, 65, 256, 0}) + EmptyBlocks(101), 16, "label value above 255"},
        {Head() + EmptyBlocks(101) + Lines({0, 0}), 318, "label of mode 2, slot 33"},
        {Head() + EmptyBlocks(101) + Lines({2, 65}), 318, "key list of mode 2, slot 33"},
        {"1\r2\r3\r", 1, "not a decimal integer"},
    };
    for (const auto& fault : cases) {
        const ProfileReadResult result = ReadProfile(fault.text);
        EXPECT_FALSE(result.profile) << fault.what;
        EXPECT_EQ(result.error.line, fault.line) << fault.what;
        EXPECT_NE(result.error.what.find(fault.what), std::string::npos) << result.error.what;
    }
}

TEST(ProfileReader, RefusesAFileThatCanNotBeRead) {
    const ProfileReadResult missing = ReadProfileFile("/nonexistent/Default.qv1");
    EXPECT_EQ(missing.error.Message(), "can't be opened: No such file or directory");
    const ProfileReadResult folder = ReadProfileFile("/");
    EXPECT_FALSE(folder.profile);
    EXPECT_EQ(folder.error.line, 0);
}

}  // namespace
}  // namespace qv
