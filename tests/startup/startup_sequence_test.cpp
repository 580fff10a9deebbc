// The start-up sequence on simulated machines. Which items each edition
// enables is checked by the item round trip (tests/data/items.tsv).
#include <gtest/gtest.h>

#include "platform/registry_values.h"
#include "platform/text/cp932.h"
#include "prefs/preferences.h"
#include "prefs/preference_keys.h"
#include "startup/startup_sequence.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::StartedContext;
using testing::SimulatedWindows;

TEST(StartupSequence, FreshJapaneseXpMachine) {
    StartedContext sim(SimulatedWindows::Xp);
    const ProgramContext& ctx = sim.ctx;
    EXPECT_EQ(ctx.os, (OsEdition{"NT", "XP"}));
    EXPECT_EQ(ctx.paths.preferencesFile, "C:\\Program Files\\Brisko\\Brisko.ini");
    EXPECT_EQ(ctx.paths.sysocFilePath, "C:\\WINDOWS\\inf\\sysoc.inf");
    EXPECT_EQ(ctx.paths.bootFilePath, "C:\\boot.ini");
    EXPECT_EQ(ctx.paths.fixedDriveLetters, "CD") << "the CD-ROM drive E is no fixed drive";

    EXPECT_EQ(sim.Prefs("環境設定", "SafetyDisabled"), "done");
    EXPECT_EQ(sim.Prefs("環境設定", "TransitOption"), "1");
    for (const char* key : {"System2", "System3", "System4"}) EXPECT_EQ(sim.Prefs("DisabledItem", key), "true");
    EXPECT_EQ(sim.Prefs("DisabledItem", "System6"), "pre_true") << "XP has no System 6";
    EXPECT_EQ(sim.Prefs("DisabledItem", "System7"), "NULL") << "the machine has USB controllers";

    // System 6 is optimised on a fresh XP (no AlwaysUnloadDLL) but disabled there.
    EXPECT_TRUE(ctx.items.states.Get(TweakCategory::System, 5));
    for (int n = 1; n <= 10; ++n) EXPECT_FALSE(sim.Entry(TweakCategory::System, n).ticked) << n;
    EXPECT_EQ(ctx.items.countText, "※ 未チェック 47 / 全項目 50");
    EXPECT_TRUE(ctx.controls.disabled.empty()) << "XP disables no control";
}

TEST(StartupSequence, BootFileSearchAndStoredPaths) {
    SimulatedContext sim(SimulatedWindows::Xp);
    sim.files.AddFile("D:\\boot.ini", *sim.files.ReadFile("C:\\boot.ini"));
    sim.files.Remove("C:\\boot.ini");
    sim.files.Remove("C:\\WINDOWS\\inf\\sysoc.inf");
    RunStartupSequence(sim.ctx);
    EXPECT_EQ(sim.ctx.paths.bootFilePath, "D:\\boot.ini") << "boot.ini only on the second fixed disk";
    EXPECT_EQ(sim.ctx.paths.sysocFilePath, "NULL");

    // A stored path stays in force even where its file is gone, an empty one too.
    SimulatedContext again(SimulatedWindows::Xp);
    again.files.AddFile("C:\\Program Files\\Brisko\\Brisko.ini",
                        text::Utf8ToCp932("[環境設定]\r\nBootPath=Z:\\gone\\boot.ini\r\nSysocPath=\r\n"));
    RunStartupSequence(again.ctx);
    EXPECT_EQ(again.ctx.paths.bootFilePath, "Z:\\gone\\boot.ini");
    EXPECT_EQ(again.ctx.paths.sysocFilePath, "");
}

TEST(StartupSequence, MissingUsbPlayerAndMessengerMakeTheirItemsUnavailable) {
    SimulatedContext sim(SimulatedWindows::Xp);
    RegDeleteKeyTree(sim.registry, RegRoot::LocalMachine,
                     "\\SYSTEM\\CurrentControlSet\\Control\\Class\\{36FC9E60-C465-11CF-8056-444553540000}");
    RegDeleteKeyTree(sim.registry, RegRoot::LocalMachine, "\\SOFTWARE\\Microsoft\\MediaPlayer");
    RegMoveKey(sim.registry, RegRoot::LocalMachine,
               "\\SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{FB5F1910-F110-11d2-BB9E-00C04F795683}",
               "\\SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\;{FB5F1910-F110-11d2-BB9E-00C04F795683}");
    RunStartupSequence(sim.ctx);
    EXPECT_FALSE(sim.Entry(TweakCategory::System, 7).enabled);
    EXPECT_FALSE(sim.Entry(TweakCategory::Others, 1).enabled);
    EXPECT_TRUE(sim.Entry(TweakCategory::Others, 10).enabled) << "the renamed extension still counts";
}

TEST(StartupSequence, OneTimeWorkRunsOnceAndAgainWhenItsMarkerIsDeleted) {
    StartedContext sim(SimulatedWindows::Xp);
    Preferences prefs(sim.files, sim.ctx.paths.preferencesFile);
    prefs.Delete("DisabledItem", "System3");  // the user enabled System 3
    SimulatedContext second(SimulatedWindows::Xp);
    second.files = sim.files;
    RunStartupSequence(second.ctx);
    EXPECT_TRUE(second.Entry(TweakCategory::System, 3).enabled);
    EXPECT_FALSE(second.Entry(TweakCategory::System, 2).enabled);

    Preferences(second.files, second.ctx.paths.preferencesFile).Delete("環境設定", "SafetyDisabled");
    SimulatedContext third(SimulatedWindows::Xp);
    third.files = second.files;
    RunStartupSequence(third.ctx);
    EXPECT_FALSE(third.Entry(TweakCategory::System, 3).enabled) << "deleting the marker disables 2-4 again";
}

TEST(StartupSequence, MigratesTheOlderEditionsFilesOnce) {
    SimulatedContext sim(SimulatedWindows::Xp);
    const std::string cwd = sim.system.currentDirectory;
    sim.files.AddFile(cwd + "\\Tessaly.ini",
                      text::Utf8ToCp932("[環境設定]\r\nFontSize=9\r\n[デスクトップ]\r\n7=\r\n[その他]\r\n6=000000B0\r\n"));
    sim.files.AddFile(cwd + "\\Marvanel.ini",
                      text::Utf8ToCp932("[環境設定]\r\nFontSize=12\r\n[システム9]\r\nmsmsgs=msgrocm.dll,,hide,7\r\n"
                                        "[デスクトップ]\r\n7=C:\\WINDOWS\\壁紙.bmp\r\n"));
    RunStartupSequence(sim.ctx);
    EXPECT_EQ(sim.Prefs("環境設定", "FontSize"), "9") << "settings come from the first file only";
    EXPECT_EQ(sim.Prefs("システム9", "msmsgs"), "msgrocm.dll,,hide,7") << "the first file had none";
    EXPECT_EQ(sim.Prefs("デスクトップ", "7"), "C:\\WINDOWS\\壁紙.bmp") << "empty in the first file";
    EXPECT_EQ(sim.Prefs("その他", "6"), "000000BE");

    Preferences(sim.files, sim.ctx.paths.preferencesFile).Write("環境設定", "FontSize", "11");
    SimulatedContext second(SimulatedWindows::Xp);
    second.files = sim.files;
    RunStartupSequence(second.ctx);
    EXPECT_EQ(second.Prefs("環境設定", "FontSize"), "11") << "the migration runs once";
}

TEST(StartupSequence, APlantedOlderFileCannotTurnTheBackupOffOrChooseAFile) {
    SimulatedContext sim(SimulatedWindows::Xp);
    const std::string cwd = sim.system.currentDirectory, planted = cwd + "\\x.ini";
    sim.files.AddFile(planted, "[boot loader]\r\n");
    sim.files.AddFile(cwd + "\\Tessaly.ini",
                      text::Utf8ToCp932("[環境設定]\r\nAutoRestore=Off\r\nBootPath=" + planted + "\r\nSysocPath=" + planted +
                                        "\r\nFontSize=99\r\n[システム9]\r\nnotlisted=x.dll,,hide,7\r\n"
                                        "[不要サービス]\r\nAlerter=0\r\n"));
    RunStartupSequence(sim.ctx);
    EXPECT_EQ(sim.Prefs("環境設定", "AutoRestore"), "NULL") << "the automatic backup stays on";
    for (const char* key : {"BootPath", "SysocPath"}) EXPECT_NE(sim.Prefs("環境設定", key), planted) << key;
    EXPECT_EQ(sim.Prefs("環境設定", "BootPath"), "C:\\boot.ini") << "as detected";
    for (auto [section, key] : {std::pair{"環境設定", "FontSize"}, {"システム9", "notlisted"}, {"不要サービス", "Alerter"}})
        EXPECT_EQ(sim.Prefs(section, key), "NULL") << key << ": not a value the program ever keeps";
}

}  // namespace
}  // namespace brisko
