// The Desktop items on simulated machines: detection, optimise and undo of
// every item on every edition, then the items with rules of their own.
#include <gtest/gtest.h>

#include "engine/item_passes.h"
#include "platform/registry_values.h"
#include "prefs/startup_sequence.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::ShownMessage;
using testing::SimulatedContext;
using testing::Probe;
using testing::SimulatedWindows;
using testing::kAny;
using testing::kAsBefore;

const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;
const std::string ADV = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const std::string DESK = "\\Control Panel\\Desktop";
const std::string POL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string EXPL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string TRAY = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify";
const std::string WSC = "\\SYSTEM\\CurrentControlSet\\Services\\wscsvc";
const std::string kRestartQuestion = "\r\n[デスクトップ]⑨を有効にするために、Explorer.exeを再起動しますか？";
const std::string kNetStop = "hidden|net stop \"Security Center\"";
const std::string kNetStart = "hidden|net start \"Security Center\"";


const std::vector<Probe> kProbes = {
    {1, HKCU, ADV, "EnableBalloonTips", "DWORD", "0", "NULL"},
    {2, HKCU, DESK, "MenuShowDelay", "String", "50", "400"},
    {3, HKCU, POL, "NoSimpleStartMenu", "DWORD", "1", "NULL"},
    {4, HKLM, EXPL, "Max Cached Icons", "String", "320", "NULL"},
    {5, HKCU, POL, "NoActiveDesktop", "DWORD", "1", "NULL"},
    {5, HKCU, POL, "NoActiveDesktopChanges", "DWORD", "1", "NULL"},
    {6, HKCU, POL, "ClassicShell", "DWORD", "1", "NULL"},
    {6, HKCU, POL, "NoCustomizeWebView", "DWORD", "1", "NULL"},
    {7, HKCU, DESK, "Wallpaper", "String", "NULL", kAsBefore},
    {7, HKCU, "デスクトップ", "7", "Pref", kAny, ""},
    {8, HKCU, POL, "NoInstrumentation", "DWORD", "1", "NULL"},
    {9, HKCU, TRAY, "IconStreams", "Value", "no", "no"},
    {9, HKCU, TRAY, "PastIconsStream", "Value", "no", "no"},
    {10, HKLM, WSC, "Start", "DWORD", "3", "2"},
    {10, HKLM, "デスクトップ10", "Security Center", "Pref", "2", "2"},
};

// The service manager follows the net commands run so far, as Windows would.
void FollowNetCommands(SimulatedContext& sim) {
    for (const auto& call : sim.processes.calls)
        for (auto& [name, state] : sim.services.states)
            if (name == "wscsvc") {
                if (call == kNetStop) state = ServiceState::Stopped;
                if (call == kNetStart) state = ServiceState::Running;
            }
}

SimulatedContext& Started(SimulatedContext& sim, SimulatedWindows edition) {
    if (edition == SimulatedWindows::Xp) sim.services.states.emplace_back("wscsvc", ServiceState::Running);
    RunStartupSequence(sim.ctx);
    return sim;
}

struct EditionCase {
    SimulatedWindows edition;
    std::vector<int> enabled;
    std::vector<int> tickedAtStart, tickedAfterUndo;
};

class DesktopRoundTrip : public ::testing::TestWithParam<EditionCase> {};

TEST_P(DesktopRoundTrip, DetectOptimiseDetectUndoDetect) {
    const EditionCase& c = GetParam();
    SimulatedContext sim(c.edition);
    Started(sim, c.edition);
    std::vector<int> enabled;
    for (int n = 1; n <= 10; ++n)
        if (sim.Entry(TweakCategory::Desktop, n).enabled) enabled.push_back(n);
    ASSERT_EQ(enabled, c.enabled);
    EXPECT_EQ(testing::TickedEnabled(sim, TweakCategory::Desktop), c.tickedAtStart);
    const std::vector<std::string> before = testing::ReadAll(sim, kProbes);
    auto isEnabled = [&](int item) { return sim.Entry(TweakCategory::Desktop, item).enabled; };
    auto expectReads = [&](bool optimised) { testing::ExpectReads(sim, TweakCategory::Desktop, kProbes, before, optimised); };

    testing::TickEnabled(sim, TweakCategory::Desktop, true);
    if (isEnabled(9)) sim.prompts.AnswerNext(false);
    ApplyItemStates(sim.ctx);
    FollowNetCommands(sim);
    expectReads(true);
    sim.Redetect();
    EXPECT_EQ(testing::TickedEnabled(sim, TweakCategory::Desktop), c.enabled);

    testing::TickEnabled(sim, TweakCategory::Desktop, false);
    ApplyItemStates(sim.ctx);
    FollowNetCommands(sim);
    expectReads(false);
    sim.Redetect();
    EXPECT_EQ(testing::TickedEnabled(sim, TweakCategory::Desktop), c.tickedAfterUndo);
    const std::vector<std::string> commands = {kNetStop, kNetStart};
    EXPECT_EQ(sim.processes.calls, isEnabled(10) ? commands : std::vector<std::string>());
}

std::string EditionName(const ::testing::TestParamInfo<EditionCase>& info) { return testing::EditionName(info.param.edition); }

INSTANTIATE_TEST_SUITE_P(Editions, DesktopRoundTrip,
                         ::testing::Values(
                             // Past tray icons stay forgotten: undoing item 9 writes nothing.
                             EditionCase{SimulatedWindows::Xp, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {}, {9}},
                             EditionCase{SimulatedWindows::Win2000, {2, 4, 5, 6, 7, 8}, {}, {}},
                             EditionCase{SimulatedWindows::Nt4, {2, 4, 5, 6, 7}, {}, {}},
                             EditionCase{SimulatedWindows::Win98, {2, 4, 5, 6, 7}, {}, {}}),
                         EditionName);

// Applies one item ticked or not, whatever the machine was thought to be.
void ApplyOne(SimulatedContext& sim, int item, bool ticked) {
    sim.Entry(TweakCategory::Desktop, item).ticked = ticked;
    sim.ctx.items.states.Set(TweakCategory::Desktop, item - 1, !ticked);
    ApplyItemStates(sim.ctx);
}

std::string Wallpaper(SimulatedContext& sim) { return RegReadValue(sim.registry, HKCU, DESK, "Wallpaper", "String"); }

TEST(DesktopWallpaper, NoWallpaperKeepsNothingAndUndoGivesTheEditionsOwn) {
    struct Case {
        SimulatedWindows edition;
        std::string restored;
    };
    for (const Case& c : {Case{SimulatedWindows::Xp, "C:\\WINDOWS\\web\\wallpaper\\草原.bmp"},
                          Case{SimulatedWindows::Win2000, "C:\\WINNT\\シャボン.bmp"},
                          Case{SimulatedWindows::Nt4, "NULL"},
                          Case{SimulatedWindows::Win98, "C:\\WINDOWS\\セットアップ.bmp"}}) {
        SimulatedContext sim(c.edition);
        RegDeleteValue(sim.registry, HKCU, DESK, "Wallpaper");
        Started(sim, c.edition);
        EXPECT_TRUE(sim.Entry(TweakCategory::Desktop, 7).ticked) << "no wallpaper is optimised";
        ApplyOne(sim, 7, true);
        EXPECT_EQ(sim.Prefs("デスクトップ", "7"), "NULL") << "nothing to keep";
        EXPECT_EQ(RegValueKind(sim.registry, HKCU, DESK, "Wallpaper"), "String") << "written empty";
        ApplyOne(sim, 7, false);
        EXPECT_EQ(Wallpaper(sim), c.restored);
        EXPECT_EQ(RegExists(sim.registry, HKCU, DESK, "Wallpaper", "Value"), c.restored != "NULL")
            << "NT 4 deletes the value";
    }
}

TEST(DesktopWallpaper, KeptPathComesBackOnceAndSurvivesASecondOptimise) {
    SimulatedContext sim(SimulatedWindows::Win2000);
    Started(sim, SimulatedWindows::Win2000);
    RegWriteValue(sim.registry, HKCU, DESK, "Wallpaper", "String", "D:\\Data\\写真.bmp");
    ApplyOne(sim, 7, true);
    EXPECT_EQ(sim.Prefs("デスクトップ", "7"), "D:\\Data\\写真.bmp");
    ApplyOne(sim, 7, true);  // no wallpaper now: the older entry stays
    EXPECT_EQ(sim.Prefs("デスクトップ", "7"), "D:\\Data\\写真.bmp");
    ApplyOne(sim, 7, false);
    EXPECT_EQ(Wallpaper(sim), "D:\\Data\\写真.bmp");
    EXPECT_EQ(sim.Prefs("デスクトップ", "7"), "");
    ApplyOne(sim, 7, false);  // the emptied entry counts as nothing kept
    EXPECT_EQ(Wallpaper(sim), "C:\\WINNT\\シャボン.bmp");
}

TEST(DesktopDetection, ActiveDesktopNeedsBothValuesSetToOne) {
    struct Case {
        const char *first, *second;
        bool ticked;
    };
    for (const Case& c : {Case{"1", "NULL", false}, Case{"NULL", "1", false}, Case{"1", "0", false},
                          Case{"1", "1", true}}) {
        SimulatedContext sim(SimulatedWindows::Win2000);
        RegWriteValue(sim.registry, HKCU, POL, "NoActiveDesktop", "DWORD", c.first);
        RegWriteValue(sim.registry, HKCU, POL, "NoActiveDesktopChanges", "DWORD", c.second);
        Started(sim, SimulatedWindows::Win2000);
        EXPECT_EQ(sim.Entry(TweakCategory::Desktop, 5).ticked, c.ticked) << c.first << " " << c.second;
    }
}

TEST(DesktopTrayIcons, RestartOfferedAfterDeletingAndAnsweredBeforeItem10) {
    for (bool yes : {true, false}) {
        SimulatedContext sim(SimulatedWindows::Xp);
        Started(sim, SimulatedWindows::Xp);
        EXPECT_FALSE(sim.Entry(TweakCategory::Desktop, 9).ticked);
        sim.Entry(TweakCategory::Desktop, 9).ticked = true;
        sim.Entry(TweakCategory::Desktop, 10).ticked = true;
        sim.prompts.AnswerNext(yes);
        ApplyItemStates(sim.ctx);
        EXPECT_FALSE(RegExists(sim.registry, HKCU, TRAY, "IconStreams", "Value"));
        EXPECT_FALSE(RegExists(sim.registry, HKCU, TRAY, "PastIconsStream", "Value"));
        EXPECT_EQ(sim.prompts.shown, (std::vector<ShownMessage>{{PromptKind::Confirm, kRestartQuestion}}));
        const std::vector<std::string> restarted = {"restart-explorer", kNetStop}, kept = {kNetStop};
        EXPECT_EQ(sim.processes.calls, yes ? restarted : kept);
    }
}

TEST(DesktopTrayIcons, UntickWritesNothingAsksNothingButCountsAsChanged) {
    SimulatedContext sim(SimulatedWindows::Xp);
    RegDeleteValue(sim.registry, HKCU, TRAY, "IconStreams");
    RegDeleteValue(sim.registry, HKCU, TRAY, "PastIconsStream");
    Started(sim, SimulatedWindows::Xp);
    ASSERT_TRUE(sim.Entry(TweakCategory::Desktop, 9).ticked);
    sim.Entry(TweakCategory::Desktop, 9).ticked = false;
    ApplyItemStates(sim.ctx);
    EXPECT_FALSE(sim.ctx.items.states.Get(TweakCategory::Desktop, 8)) << "flipped";
    EXPECT_FALSE(RegExists(sim.registry, HKCU, TRAY, "IconStreams", "Value"));
    EXPECT_TRUE(sim.prompts.shown.empty());
    EXPECT_TRUE(sim.processes.calls.empty());
}

TEST(DesktopSecurityCenter, StopKeepsTheStartTypeAndStartPutsItBack) {
    SimulatedContext sim(SimulatedWindows::Xp);
    Started(sim, SimulatedWindows::Xp);
    RegWriteValue(sim.registry, HKLM, WSC, "Start", "DWORD", "4");
    ApplyOne(sim, 10, true);
    EXPECT_EQ(sim.Prefs("デスクトップ10", "Security Center"), "4");
    EXPECT_EQ(RegReadValue(sim.registry, HKLM, WSC, "Start", "DWORD"), "3");
    EXPECT_EQ(sim.processes.calls, std::vector<std::string>{kNetStop});
    RegWriteValue(sim.registry, HKLM, WSC, "Start", "DWORD", "2");  // changed meanwhile
    ApplyOne(sim, 10, false);
    EXPECT_EQ(RegReadValue(sim.registry, HKLM, WSC, "Start", "DWORD"), "4");
    EXPECT_EQ(sim.processes.calls, (std::vector<std::string>{kNetStop, kNetStart}));
    EXPECT_EQ(sim.Prefs("デスクトップ10", "Security Center"), "4") << "kept after undoing";
}

TEST(DesktopSecurityCenter, NothingKeptStartsOnDemand) {
    SimulatedContext sim(SimulatedWindows::Xp);
    Started(sim, SimulatedWindows::Xp);
    ApplyOne(sim, 10, false);
    EXPECT_EQ(RegReadValue(sim.registry, HKLM, WSC, "Start", "DWORD"), "3");
    EXPECT_EQ(sim.processes.calls, std::vector<std::string>{kNetStart});
}

TEST(DesktopSecurityCenter, OnlyAStoppedServiceShowsTicked) {
    for (ServiceState state : {ServiceState::Stopped, ServiceState::StopPending, ServiceState::Unknown}) {
        SimulatedContext sim(SimulatedWindows::Xp);
        sim.services.states.emplace_back("wscsvc", state);
        RunStartupSequence(sim.ctx);
        EXPECT_EQ(sim.Entry(TweakCategory::Desktop, 10).ticked, state == ServiceState::Stopped)
            << ServiceStatusText(state);
    }
}

TEST(DesktopSecurityCenter, UnusableDisplayNameGivesUpWithAnError) {
    struct Case {
        const char* kindTag;
        const char* displayName;
    };
    for (const Case& c : {Case{"String", "NULL"}, Case{"DWORD", "7"}, Case{"String", "Security\" & del \"Center"}}) {
        for (bool ticked : {true, false}) {
            SimulatedContext sim(SimulatedWindows::Xp);
            Started(sim, SimulatedWindows::Xp);
            RegDeleteValue(sim.registry, HKLM, WSC, "DisplayName");
            RegWriteValue(sim.registry, HKLM, WSC, "DisplayName", c.kindTag, c.displayName);
            ApplyOne(sim, 10, ticked);
            EXPECT_EQ(sim.ctx.items.states.Get(TweakCategory::Desktop, 9), !ticked) << "not flipped";
            EXPECT_TRUE(sim.processes.calls.empty());
            EXPECT_EQ(RegReadValue(sim.registry, HKLM, WSC, "Start", "DWORD"), "2");
            ASSERT_EQ(sim.prompts.shown.size(), 1u);
            EXPECT_EQ(sim.prompts.shown[0].kind, PromptKind::Error);
            const bool unreadable = std::string(c.kindTag) == "DWORD" || std::string(c.displayName) == "NULL";
            EXPECT_EQ(sim.prompts.shown[0].text.find("wscsvc") != std::string::npos, unreadable)
                << "an unsafe name gets the service page's message";
        }
    }
}

}  // namespace
}  // namespace brisko
