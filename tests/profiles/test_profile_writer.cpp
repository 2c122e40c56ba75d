#include <gtest/gtest.h>

#include <memory>

#include "TempFolder.h"
#include "profiles/ProfileReader.h"
#include "profiles/ProfileWriter.h"

namespace qv {
namespace {

std::unique_ptr<Model> DefaultModel() {
    auto model = std::make_unique<Model>();
    FillDefaults(*model);
    model->axes.Limits = {512, -512, 512, -512, 512, -512};
    return model;
}

std::string Write(const Model& model, const PanelSettings& settings = {}) {
    ProfileWriteResult written = WriteProfile(model, settings);
    EXPECT_FALSE(written.error) << written.error->Message();
    return written.bytes;
}

TEST(ProfileWriter, DefaultsGiveTheKnownFile) {
    const auto model = DefaultModel();
    const std::string bytes = Write(*model);
    EXPECT_TRUE(
        bytes.starts_with("-512\r\n512\r\n-512\r\n512\r\n-512\r\n512\r\n"
                          "100\r\n470\r\n0\r\n0\r\n1\r\n450\r\n"
                          "0\r\n87\r\n0\r\n77\r\n111\r\n118\r\n101\r\n32\r\n85\r\n112\r\n0\r\n"
                          "0\r\n83\r\n0\r\n"));
    EXPECT_TRUE(bytes.ends_with("0\r\n125\r\n0\r\n70\r\n49\r\n52\r\n0\r\n0\r\n1\r\n"));

    PanelSettings walkZoneAtDeadZone;
    walkZoneAtDeadZone.MidDeadZone = 100;
    EXPECT_EQ(Write(*model, walkZoneAtDeadZone), test::Contents(QV_GOLDEN_DIR "/defaults.qv1"));
}

// The settings exactly as a file holds them, before the rules that a load runs them through:
// the golden files hold combinations that the rules resolve.
PanelSettings AsTheFileHoldsThem(const Profile& profile) {
    PanelSettings settings;
    for (const ProfileItem& item : ProfileItems()) {
        if (item.setting != nullptr) {
            settings.*item.setting = (profile.*item.value).value_or(item.whenAbsent.value_or(0));
        }
    }
    return settings;
}

TEST(ProfileWriter, GoldenFilesSurviveARoundTrip) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QV_GOLDEN_DIR)) {
        if (entry.path().extension() != ".qv1") {
            continue;
        }
        ++files;
        const std::string original = test::Contents(entry.path());
        const ProfileReadResult read = ReadProfile(original);
        ASSERT_TRUE(read.profile) << entry.path() << ": " << read.error.Message();
        auto model = std::make_unique<Model>();
        PanelSettings scratch;
        SettingsRules rules(scratch);
        ApplyProfile(*read.profile, *model, rules);
        EXPECT_EQ(Write(*model, AsTheFileHoldsThem(*read.profile)), original) << entry.path();
    }
    EXPECT_GE(files, 3);
}

TEST(ProfileWriter, AFlagOnAZeroIsLost) {
    auto model = DefaultModel();
    model->KeyMapCombo[1][4][2] = true;
    const ProfileReadResult read = ReadProfile(Write(*model));
    ASSERT_TRUE(read.profile);
    SettingsRules rules(model->settings);
    ApplyProfile(*read.profile, *model, rules);
    EXPECT_FALSE(model->KeyMapCombo[1][4][2]);
}

TEST(ProfileWriter, RefusesWhatTheFileCanNotHold) {
    auto model = DefaultModel();
    model->KeyLabel[0][9] = std::string(253, 'x') + "\u00E9";
    model->KeyLabel[2][0] = "\u20AC\u0081\u0178";
    Write(*model);

    const auto refusal = [&model] {
        const ProfileWriteResult written = WriteProfile(*model, {});
        EXPECT_TRUE(written.bytes.empty());
        return written.error ? written.error->Message() : std::string("no error");
    };
    model->KeyLabel[0][9] += "y";
    EXPECT_EQ(refusal(), "mode 0, slot 9: a label of more than 254 characters");

    model = DefaultModel();
    model->KeyLabel[1][20] = "\u4E2D";
    EXPECT_EQ(refusal(), "mode 1, slot 20: a label with a character outside Windows-1252");
    model->KeyLabel[1][20] = std::string("a\0b", 3);
    EXPECT_NE(refusal().find("outside Windows-1252"), std::string::npos);

    model = DefaultModel();
    auto& keys = model->KeyMap[2][7];
    for (int step = 1; step < 255; ++step) {
        keys[step] = 65;
        model->KeyMapCombo[2][7][step] = true;
    }
    EXPECT_NE(refusal().find("mode 2, slot 7: a key list of more than 255 values"),
              std::string::npos);
    keys[254] = 0;
    Write(*model);
}

}  // namespace
}  // namespace qv
