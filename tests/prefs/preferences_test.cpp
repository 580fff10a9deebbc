// The preferences file through the profile engine (its numbers and flags read
// back: rows of tests/data/function_cases.tsv).
#include <gtest/gtest.h>

#include "platform/memory_file_system.h"
#include "platform/text/cp932.h"
#include "prefs/preference_keys.h"
#include "prefs/preferences.h"

namespace brisko {
namespace {

class PreferencesFile : public ::testing::Test {
protected:
    MemoryFileSystem files;
    Preferences prefs{files, "C:\\Program Files\\Brisko\\Brisko.ini"};
    void SetUp() override { files.AddFolder("C:\\Program Files\\Brisko"); }
    std::string Bytes() { return text::Cp932ToUtf8(files.ReadFile(prefs.Path()).value_or("<none>")); }
};

TEST_F(PreferencesFile, RoundTripsJapaneseSectionsAndEveryKindOfKey) {
    prefs.Write(prefkey::kSettings, prefkey::kSafetyDisabled, "done");
    prefs.Write(prefkey::kDisabledItem, prefkey::DisabledItemKey(TweakCategory::System, 2), "pre_true");
    prefs.Write(prefkey::kDisabledItem, prefkey::kServicePage, "false");
    prefs.Write(prefkey::kDesktop10Memory, "Security Center", "2");
    prefs.Write(prefkey::kSystem9Memory, "msmsgs", "msgrocm.dll,OcEntry,msmsgs.inf,hide,7");
    prefs.Write(prefkey::kDesktopMemory, "7", "C:\\WINDOWS\\Web\\Wallpaper\\壁紙.bmp");
    EXPECT_EQ(Bytes(),
              "[環境設定]\r\nSafetyDisabled=done\r\n[DisabledItem]\r\nSystem2=pre_true\r\nService=false\r\n"
              "[デスクトップ10]\r\nSecurity Center=2\r\n[システム9]\r\nmsmsgs=msgrocm.dll,OcEntry,msmsgs.inf,hide,7\r\n"
              "[デスクトップ]\r\n7=C:\\WINDOWS\\Web\\Wallpaper\\壁紙.bmp\r\n");
    EXPECT_EQ(prefs.Read(prefkey::kDesktopMemory, "7"), "C:\\WINDOWS\\Web\\Wallpaper\\壁紙.bmp");
    // "デスクトップ" and "デスクトップ10" are different sections.
    EXPECT_EQ(prefs.Read(prefkey::kDesktopMemory, "Security Center"), "NULL");
}

TEST_F(PreferencesFile, NullIsNeverWrittenAndEmptyIsNotAbsent) {
    prefs.Write(prefkey::kSettings, prefkey::kBootPath, "NULL");
    EXPECT_FALSE(files.GetAttributes(prefs.Path())) << "writing NULL creates nothing";
    EXPECT_EQ(prefs.Read(prefkey::kSettings, prefkey::kBootPath), "NULL");
    prefs.Write(prefkey::kSettings, prefkey::kBootPath, "");
    prefs.Write(prefkey::kSettings, prefkey::kSysocPath, "C:\\WINDOWS\\inf\\sysoc.inf");
    prefs.Write(prefkey::kSettings, prefkey::kSysocPath, "NULL");
    EXPECT_EQ(prefs.Read(prefkey::kSettings, prefkey::kBootPath), "");
    EXPECT_EQ(prefs.Read(prefkey::kSettings, prefkey::kSysocPath), "C:\\WINDOWS\\inf\\sysoc.inf");
}

}  // namespace
}  // namespace brisko
