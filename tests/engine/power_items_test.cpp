// The start-up and shutdown items, and the round trip of both the Power and
// the Others items on each simulated edition: detect, tick, apply, detect
// again, untick, apply, detect again. Others items with rules of their own
// are in others_items_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/item_passes.h"
#include "platform/profile/profile_file.h"
#include "platform/registry_values.h"
#include "prefs/startup_sequence.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::ShownMessage;
using testing::SimulatedContext;
using testing::SimulatedWindows;

const TweakCategory kPower = TweakCategory::Power;
const TweakCategory kOthers = TweakCategory::Others;
const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;
const std::string CTRL = "\\SYSTEM\\CurrentControlSet\\Control";
const std::string DESK = "\\Control Panel\\Desktop";
const std::string SYSPOL = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\system";
const std::string POL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string INET = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const std::string PLAYER = "\\Software\\Microsoft\\MediaPlayer\\Player";
const std::string EXT = "\\SOFTWARE\\Microsoft\\Internet Explorer\\Extensions";
const std::string MSGR = "{FB5F1910-F110-11d2-BB9E-00C04F795683}";
const std::string BOOT_INI = "C:\\boot.ini";
const std::string ENTRY = "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS";
const std::string ENTRY_TEXT = "\"Microsoft Windows XP Professional\" /noexecute=optin /fastdetect";

enum Editions : unsigned { kXp = 1, k2k = 2, kNt4 = 4, k98 = 8, kNt = kXp | k2k | kNt4, kAll = kNt | k98 };

// A registry value read with its kind; kind "Boot" reads a key of the boot
// file (key = section), "Raw" a REG_BINARY value's bytes in hex, "Key"
// whether the subkey exists.
struct Probe {
    RegRoot root;
    std::string key, name, kind;
    bool operator==(const Probe&) const = default;
};
struct Row {
    TweakCategory cat;
    int item;
    unsigned on;
    Probe probe;
    std::string optimised, undone;
};

const std::vector<Row> kRows = {
    {kPower, 1, kXp, {HKLM, "\\SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", "Enable", "String"}, "Y", "N"},
    {kPower, 2, kNt, {HKLM, CTRL, "WaitToKillServiceTimeout", "String"}, "5000", "20000"},
    {kPower, 3, kAll, {HKCU, POL, "ClearRecentDocsOnExit", "DWORD"}, "1", "NULL"},
    {kPower, 4, kNt, {HKLM, "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "KeepRasConnections",
                      "String"}, "1", "NULL"},
    {kPower, 5, kNt, {HKLM, "operating systems", ENTRY, "Boot"}, ENTRY_TEXT + " /noguiboot", ENTRY_TEXT},
    {kPower, 5, k98, {HKLM, "Options", "Logo", "Boot"}, "0", "1"},
    {kPower, 6, kAll, {HKCU, DESK, "AutoEndTasks", "String"}, "1", "0"},
    {kPower, 7, kAll, {HKCU, DESK, "WaitToKillAppTimeout", "String"}, "5000", "20000"},
    {kPower, 8, kNt, {HKLM, SYSPOL, "SynchronousMachineGroupPolicy", "DWORD"}, "0", "NULL"},
    {kPower, 8, kNt, {HKLM, SYSPOL, "SynchronousUserGroupPolicy", "DWORD"}, "0", "NULL"},
    {kPower, 9, kNt, {HKLM, "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
                      "ClearPageFileAtShutdown", "DWORD"}, "0", "1"},
    {kPower, 10, kNt, {HKLM, "boot loader", "timeout", "Boot"}, "5", "30"},

    {kOthers, 1, kAll, {HKCU, "\\Software\\Microsoft\\MediaPlayer\\Preferences", "DisableMRU", "DWORD"}, "1", "0"},
    {kOthers, 1, kAll, {HKCU, PLAYER, "RecentFileList", "Key"}, "no", "no"},
    {kOthers, 1, kAll, {HKCU, PLAYER, "RecentURLList", "Key"}, "no", "no"},
    {kOthers, 2, kXp, {HKLM, "\\SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting", "DoReport", "DWORD"}, "0", "1"},
    {kOthers, 2, k2k | kNt4 | k98, {HKLM, "\\Software\\Microsoft\\Internet Explorer\\Main", "IEWatsonEnabled",
                                    "DWORD"}, "0", "NULL"},
    {kOthers, 3, kAll, {HKCU, INET, "MaxConnectionsPer1_0Server", "DWORD"}, "10", "NULL"},
    {kOthers, 3, kAll, {HKCU, INET, "MaxConnectionsPerServer", "DWORD"}, "10", "NULL"},
    {kOthers, 4, kXp | k2k, {HKLM, "\\SOFTWARE\\Policies\\Microsoft\\Windows\\WindowsUpdate\\AU", "NoAutoUpdate",
                             "DWORD"}, "1", "NULL"},
    {kOthers, 5, kXp | k2k, {HKCU, POL, "NoResolveTrack", "DWORD"}, "1", "NULL"},
    {kOthers, 5, kXp | k2k, {HKCU, POL, "NoResolveSearch", "DWORD"}, "1", "NULL"},
    {kOthers, 5, kXp | k2k, {HKCU, POL, "LinkResolveIgnoreLinkInfo", "DWORD"}, "1", "NULL"},
    {kOthers, 6, kXp | k2k, {HKCU, DESK, "UserPreferencesMask", "Raw"}, "B0000000", "9E3E078012000000"},
    {kOthers, 6, kNt4, {HKCU, DESK, "UserPreferencesMask", "Raw"}, "B0000000", "NULL"},
    {kOthers, 6, k98, {HKCU, DESK, "UserPreferenceMask", "Raw"}, "B0000000", "BE000000"},
    {kOthers, 7, kNt, {HKLM, "\\SYSTEM\\CurrentControlSet\\Services\\Cdrom", "AutoRun", "DWORD"}, "1", "1"},
    {kOthers, 7, kXp, {HKCU, POL, "NoDriveTypeAutoRun", "DWORD"}, "255", "145"},
    {kOthers, 7, k2k | kNt4, {HKCU, POL, "NoDriveTypeAutoRun", "DWORD"}, "255", "149"},
    {kOthers, 7, k98, {HKCU, POL, "NoDriveTypeAutoRun", "Raw"}, "FF000000", "95000000"},
    {kOthers, 8, kAll, {HKCU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "link", "Raw"},
     "00000000", "1E000000"},
    {kOthers, 9, kAll, {HKLM, "\\SOFTWARE\\Microsoft\\Outlook Express", "Hide Messenger", "DWORD"}, "2", "NULL"},
    {kOthers, 10, kAll, {HKLM, EXT, MSGR, "Key"}, "no", "yes"},
    {kOthers, 10, kAll, {HKLM, EXT, ";" + MSGR, "Key"}, "yes", "no"},
};

std::string Read(SimulatedContext& sim, const Probe& p) {
    if (p.kind == "Boot") return IniReadValue(sim.files, sim.ctx.paths.bootFilePath, p.key, p.name);
    if (p.kind == "Key") return RegExists(sim.registry, p.root, p.key, p.name, "Key") ? "yes" : "no";
    if (p.kind != "Raw") return RegReadValue(sim.registry, p.root, p.key, p.name, p.kind);
    return testing::ReadBinaryHex(sim, p.root, p.key, p.name);
}

struct EditionCase {
    SimulatedWindows edition;
    unsigned bit;
    std::vector<int> powerDisabled, othersDisabled, powerTickedAtStart;
};

std::string EditionName(const ::testing::TestParamInfo<EditionCase>& info) {
    static const char* const names[] = {"Xp", "Win2000", "Nt4", "Win98"};
    return names[static_cast<int>(info.param.edition)];
}

class PowerAndOthersOn : public ::testing::TestWithParam<EditionCase> {};

TEST_P(PowerAndOthersOn, DetectTickApplyUntickApply) {
    const EditionCase& c = GetParam();
    SimulatedContext sim(c.edition);
    RegWriteValue(sim.registry, HKCU, PLAYER + "\\RecentFileList", "File0", "String", "C:\\My Music\\曲.wma");
    RegWriteValue(sim.registry, HKCU, PLAYER + "\\RecentURLList", "URL0", "String", "http://example.jp/a.asx");
    RunStartupSequence(sim.ctx);
    std::vector<int> enabled[2], disabled[2];
    for (int i : {0, 1})
        for (int n = 1; n <= 10; ++n) (sim.Entry(i ? kOthers : kPower, n).enabled ? enabled : disabled)[i].push_back(n);
    EXPECT_EQ(disabled[0], c.powerDisabled);
    EXPECT_EQ(disabled[1], c.othersDisabled);
    EXPECT_EQ(testing::TickedEnabled(sim, kPower), c.powerTickedAtStart);
    EXPECT_EQ(testing::TickedEnabled(sim, kOthers), std::vector<int>{});

    std::vector<Row> mine;
    std::vector<std::pair<Probe, std::string>> untouched;  // other editions' values stay as they were
    for (const Row& r : kRows)
        if (r.on & c.bit) mine.push_back(r);
    for (const Row& r : kRows)
        if (!(r.on & c.bit) && std::none_of(mine.begin(), mine.end(), [&](const Row& m) { return m.probe == r.probe; }))
            untouched.emplace_back(r.probe, Read(sim, r.probe));

    auto applyAll = [&](bool ticked) {
        for (TweakCategory cat : {kPower, kOthers})
            for (auto& e : sim.ctx.items.List(cat)) e.ticked = ticked;
        ApplyItemStates(sim.ctx);
        EXPECT_TRUE(sim.prompts.shown.empty());
        for (const Row& r : mine)
            EXPECT_EQ(Read(sim, r.probe), ticked ? r.optimised : r.undone)
                << CategoryKey(r.cat) << r.item << " " << r.probe.name;
        for (const auto& [probe, before] : untouched) EXPECT_EQ(Read(sim, probe), before) << probe.name;
        sim.Redetect();
    };
    applyAll(true);
    EXPECT_EQ(testing::TickedEnabled(sim, kPower), enabled[0]);
    EXPECT_EQ(testing::TickedEnabled(sim, kOthers), enabled[1]);
    applyAll(false);
    EXPECT_EQ(testing::TickedEnabled(sim, kPower), std::vector<int>{});
    EXPECT_EQ(testing::TickedEnabled(sim, kOthers), std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(Editions, PowerAndOthersOn,
                         ::testing::Values(EditionCase{SimulatedWindows::Xp, kXp, {}, {}, {1, 9}},
                                           EditionCase{SimulatedWindows::Win2000, k2k, {1}, {}, {9}},
                                           EditionCase{SimulatedWindows::Nt4, kNt4, {1}, {4, 5}, {9}},
                                           EditionCase{SimulatedWindows::Win98, k98, {1, 2, 4, 8, 9, 10}, {4, 5}, {}}),
                         EditionName);

TEST(PowerBootFile, NoGuiBootGoesAfterTheLastSwitchAndLeavesTheFileAsItWas) {
    SimulatedContext sim(SimulatedWindows::Xp);
    RunStartupSequence(sim.ctx);
    const std::string original = *sim.files.ReadFile(BOOT_INI);
    const std::string withSwitch = original.substr(0, original.size() - 2) + " /noguiboot\r\n";
    for (const bool ticked : {true, false}) {
        sim.Entry(kPower, 5).ticked = ticked;
        ApplyItemStates(sim.ctx);
        EXPECT_EQ(sim.files.ReadFile(BOOT_INI), ticked ? withSwitch : original);
    }
}

TEST(PowerBootFile, UndoRemovesTheFirstSwitchAsWrittenOnly) {
    const struct {
        const char *entry, *afterUndo;
    } cases[] = {{"\"W\" /fastdetect /NOGUIBOOT", "\"W\" /fastdetect /NOGUIBOOT"},
                 {"\"W\" /noguiboot /sos /noguiboot", "\"W\" /sos /noguiboot"}};
    for (const auto& c : cases) {
        SimulatedContext sim(SimulatedWindows::Xp);
        const std::string head = "[boot loader]\r\ndefault=" + ENTRY + "\r\n[operating systems]\r\n" + ENTRY + "=";
        sim.files.AddFile(BOOT_INI, head + c.entry + "\r\n");
        RunStartupSequence(sim.ctx);
        EXPECT_TRUE(sim.Entry(kPower, 5).ticked) << c.entry;
        sim.Entry(kPower, 5).ticked = false;
        ApplyItemStates(sim.ctx);
        EXPECT_EQ(sim.files.ReadFile(BOOT_INI), head + c.afterUndo + "\r\n");
        EXPECT_FALSE(sim.ctx.items.states.Get(kPower, 4)) << "counted as done";
    }
}

TEST(PowerBootFile, AQuotedEntryWithoutSwitchesKeepsItsQuotes) {
    SimulatedContext sim(SimulatedWindows::Xp);
    const std::string head = "[boot loader]\r\ndefault=" + ENTRY + "\r\n[operating systems]\r\n" + ENTRY + "=";
    sim.files.AddFile(BOOT_INI, head + "\"Microsoft Windows XP Professional\"\r\n");
    RunStartupSequence(sim.ctx);
    for (const bool ticked : {true, false}) {
        sim.Entry(kPower, 5).ticked = ticked;
        ApplyItemStates(sim.ctx);
        EXPECT_EQ(sim.files.ReadFile(BOOT_INI),
                  head + "\"Microsoft Windows XP Professional\"" + (ticked ? " /noguiboot" : "") + "\r\n");
    }
}

TEST(PowerBootFile, NoDefaultEntryRefusesItem5) {
    const std::string noDefault = "[boot loader]\r\ntimeout=30\r\n[operating systems]\r\n" + ENTRY + "=\"W\"\r\n";
    const std::string noEntry = "[boot loader]\r\ndefault=" + ENTRY + "\r\n[operating systems]\r\nC:\\=\"DOS\"\r\n";
    for (const std::string& file : {noDefault, noEntry}) {
        SimulatedContext s(SimulatedWindows::Xp);
        s.files.AddFile(BOOT_INI, file);
        RunStartupSequence(s.ctx);
        s.Entry(kPower, 5).ticked = true;
        ApplyItemStates(s.ctx);
        EXPECT_EQ(s.files.ReadFile(BOOT_INI), file) << "no entry named NULL";
        EXPECT_EQ(s.prompts.shown, (std::vector<ShownMessage>{
                                       {PromptKind::Error,
                                        "[起動・終了]5 起動メニューの既定のエントリが見つかりません。\r\n"
                                        "設定対象ファイルの [boot loader] と [operating systems] を確認してください。"}}));
        EXPECT_FALSE(s.ctx.items.states.Get(kPower, 4));
    }
}

TEST(PowerBootFile, WithoutBootFileItem5CountsAsDoneAndItem10TriesAgain) {
    SimulatedContext sim(SimulatedWindows::Xp);
    sim.files.Remove(BOOT_INI);
    RunStartupSequence(sim.ctx);
    ASSERT_EQ(sim.ctx.paths.bootFilePath, "NULL");
    sim.Entry(kPower, 5).ticked = sim.Entry(kPower, 10).ticked = true;
    ApplyItemStates(sim.ctx);
    const std::string tail = " 設定対象ファイルの検出に失敗しました。\r\n[オプション] から正しいファイルパスを設定することができます。";
    EXPECT_EQ(sim.prompts.shown, (std::vector<ShownMessage>{{PromptKind::Error, "[起動・終了]5" + tail},
                                                            {PromptKind::Error, "[起動・終了]10" + tail}}));
    EXPECT_TRUE(sim.ctx.items.states.Get(kPower, 4));
    EXPECT_FALSE(sim.ctx.items.states.Get(kPower, 9));
    ApplyItemStates(sim.ctx);
    EXPECT_EQ(sim.prompts.shown.size(), 3u) << "only item 10 tries again";
    EXPECT_FALSE(sim.files.ReadFile(BOOT_INI)) << "no boot file is made";
}

TEST(PowerMsdosSys, Item5TogglesTheLogoLine) {
    SimulatedContext sim(SimulatedWindows::Win98);
    RunStartupSequence(sim.ctx);
    const std::string head = "[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootMulti=1\r\nLogo=";
    for (const bool ticked : {true, false}) {
        sim.Entry(kPower, 5).ticked = ticked;
        ApplyItemStates(sim.ctx);
        EXPECT_EQ(sim.files.ReadFile("C:\\Msdos.sys"), head + (ticked ? "0" : "1") + "\r\n");
        sim.Redetect();
        EXPECT_EQ(sim.Entry(kPower, 5).ticked, ticked);
    }
}

TEST(PowerWaits, Items2And7AreShortAtMost5000) {
    SimulatedContext sim(SimulatedWindows::Xp);
    RunStartupSequence(sim.ctx);
    const struct {
        const char* kind;
        const char* text;
        bool ticked;
    } cases[] = {{"String", "4000", true},   {"String", "5000", true},   {"String", "0", true},
                 {"String", "-1", true},     {"String", "5001", false},  {"String", "20000", false},
                 {"String", "NULL", false},  {"String", "5s", false},    {"DWORD", "4000", false}};
    for (const auto& c : cases) {
        RegWriteValue(sim.registry, HKLM, CTRL, "WaitToKillServiceTimeout", c.kind, c.text);
        RegWriteValue(sim.registry, HKCU, DESK, "WaitToKillAppTimeout", c.kind, c.text);
        sim.Redetect();
        EXPECT_EQ(sim.Entry(kPower, 2).ticked, c.ticked) << c.kind << " " << c.text;
        EXPECT_EQ(sim.Entry(kPower, 7).ticked, c.ticked) << c.kind << " " << c.text;
    }
}

}  // namespace
}  // namespace brisko
