// Stored colours and the disabling page's choices in the preferences file (the
// appearance read at start-up: rows of tests/data/function_cases.tsv).
#include <gtest/gtest.h>

#include "platform/memory_file_system.h"
#include "prefs/appearance.h"
#include "prefs/disabling_choices.h"
#include "prefs/preference_keys.h"

namespace brisko {
namespace {

class AppearanceFile : public ::testing::Test {
protected:
    MemoryFileSystem files;
    Preferences prefs{files, "C:\\Brisko\\Brisko.ini"};
    void SetUp() override { files.AddFolder("C:\\Brisko"); }
    std::string Setting(std::string_view key) { return prefs.Read(prefkey::kSettings, key); }
};

TEST_F(AppearanceFile, DefaultStyleWithNothingStoredWritesNothing) {
    EXPECT_FALSE(ColoursToApply(prefs, kDefaultStyle));
    const size_t red = ColourStyleIndex("Red");
    ASSERT_TRUE(ColoursToApply(prefs, red));
    StoreColours(prefs, red, ColourStyles()[red].colours);
    EXPECT_EQ(Setting(prefkey::kColorStyle), "Red");
    for (auto key : {prefkey::kTitleColor, prefkey::kMenuColor, prefkey::kAccelColor, prefkey::kSubColor,
                     prefkey::kRestoreColor, prefkey::kCompactColor})
        EXPECT_EQ(Setting(key), "$008080F0") << key;

    ASSERT_TRUE(ColoursToApply(prefs, kDefaultStyle)) << "back to the default once a style is stored";
    StoreColours(prefs, kDefaultStyle, ColourStyles()[kDefaultStyle].colours);
    EXPECT_EQ(Setting(prefkey::kColorStyle), "NULL");
    EXPECT_EQ(Setting(prefkey::kCompactColor), "clBtnFace");
}

TEST_F(AppearanceFile, DisablingBoxesKeepProgramChoicesAndTheServicePageDefault) {
    const auto& keys = DisablingKeys();
    EXPECT_TRUE(DisablingBoxOf("Service", "NULL").ticked) << "the services page starts unavailable";
    EXPECT_FALSE(DisablingBoxOf("System1", "NULL").ticked);
    EXPECT_FALSE(DisablingBoxOf("System1", "True").ticked) << "only the exact text disables";
    const DisablingBox pre = DisablingBoxOf("System2", "pre_true");
    EXPECT_TRUE(pre.ticked && !pre.enabled);

    prefs.Write(prefkey::kDisabledItem, "System2", "pre_true");
    prefs.Write(prefkey::kDisabledItem, "System3", "true");
    std::vector<DisablingBox> boxes(keys.size());
    boxes[0] = {true, true};    // System1 ticked
    boxes[1] = {false, false};  // System2 pre_true: left alone
    boxes[2] = {false, true};   // System3 unticked
    boxes[50] = {false, true};  // services allowed
    StoreDisablingBoxes(prefs, boxes);
    EXPECT_EQ(prefs.Read(prefkey::kDisabledItem, "System1"), "true");
    EXPECT_EQ(prefs.Read(prefkey::kDisabledItem, "System2"), "pre_true");
    EXPECT_EQ(prefs.Read(prefkey::kDisabledItem, "System3"), "NULL");
    EXPECT_EQ(prefs.Read(prefkey::kDisabledItem, "Service"), "false");
}

}  // namespace
}  // namespace brisko
