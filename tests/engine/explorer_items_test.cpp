// The Explorer items on simulated machines: detection, optimise and undo of
// every item on every edition, then the items with rules of their own.
#include <gtest/gtest.h>

#include "engine/item_passes.h"
#include "platform/registry_values.h"
#include "prefs/startup_sequence.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::Probe;
using testing::SimulatedWindows;
using testing::kAny;
using testing::kAsBefore;

const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;
const RegRoot HKCR = RegRoot::ClassesRoot;
const std::string CAB = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState";
const std::string UPD = "\\System\\CurrentControlSet\\Control\\Update";
const std::string NS = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace";
const std::string TASKS = "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";
const std::string EXU = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string FS = "\\SYSTEM\\CurrentControlSet\\Control\\FileSystem";
const std::string AVI = "\\CLSID\\{87D62D94-71B3-4b9a-9489-5FE6850DC73E}";
const std::string VIDEO = "\\CLSID\\{40C3D757-D6E4-4b49-BB41-0E5BBEA28817}";
const std::string POL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string TB = "\\Software\\Microsoft\\Internet Explorer\\Toolbar";
const std::string SHMEDIA = "%SystemRoot%\\System32\\shmedia.dll";


const std::vector<Probe> kProbes = {
    {1, HKCU, CAB, "Use Search Asst", "String", "no", "NULL"},
    {2, HKLM, UPD, "UpdateMode", "DWORD", "1", "0"},
    {3, HKLM, NS, TASKS, "Key", "no", "yes"},
    {3, HKLM, NS + "\\" + TASKS, "", "String", "NULL", "タスク"},
    {4, HKCU, EXU, "DesktopProcess", "DWORD", "NULL", "1"},
    {5, HKLM, FS, "NtfsDisableLastAccessUpdate", "DWORD", "1", "NULL"},
    {6, HKLM, FS, "NtfsDisable8dot3NameCreation", "DWORD", "1", "0"},
    {7, HKCR, "\\CLSID", AVI.substr(7), "Key", "no", "yes"},
    {7, HKCR, "\\CLSID", VIDEO.substr(7), "Key", "no", "yes"},
    {7, HKCR, AVI, "", "String", "NULL", "Avi Properties Handler"},
    {7, HKCR, AVI + "\\InProcServer32", "", "ExString", "NULL", SHMEDIA},
    {7, HKCR, AVI + "\\InProcServer32", "ThreadingModel", "String", "NULL", "Both"},
    {7, HKCR, VIDEO, "", "String", "NULL", "Video Media Properties Handler"},
    {7, HKCR, VIDEO + "\\InProcServer32", "", "ExString", "NULL", SHMEDIA},
    {7, HKCR, VIDEO + "\\InProcServer32", "ThreadingModel", "String", "NULL", "Both"},
    {8, HKCU, "エクスプローラ", "8", "Pref", "true", "false"},
    {9, HKCU, POL, "NoThumbnailCache", "DWORD", "1", "NULL"},
    {10, HKCU, TB, "LinksFolderName", "String", "\"\"", "リンク"},
};

struct EditionCase {
    SimulatedWindows edition;
    std::vector<int> enabled;
    std::vector<int> tickedAtStart;
};

class ExplorerRoundTrip : public ::testing::TestWithParam<EditionCase> {};

TEST_P(ExplorerRoundTrip, DetectOptimiseDetectUndoDetect) {
    const EditionCase& c = GetParam();
    SimulatedContext sim(c.edition);
    RunStartupSequence(sim.ctx);
    std::vector<int> enabled;
    for (int n = 1; n <= 10; ++n)
        if (sim.Entry(TweakCategory::Explorer, n).enabled) enabled.push_back(n);
    ASSERT_EQ(enabled, c.enabled);
    EXPECT_EQ(testing::TickedEnabled(sim, TweakCategory::Explorer), c.tickedAtStart);
    const std::vector<std::string> before = testing::ReadAll(sim, kProbes);
    auto isEnabled = [&](int item) { return sim.Entry(TweakCategory::Explorer, item).enabled; };
    auto expectReads = [&](bool optimised) { testing::ExpectReads(sim, TweakCategory::Explorer, kProbes, before, optimised); };

    testing::TickEnabled(sim, TweakCategory::Explorer, true);
    ApplyItemStates(sim.ctx);
    expectReads(true);
    sim.Redetect();
    EXPECT_EQ(testing::TickedEnabled(sim, TweakCategory::Explorer), c.enabled);

    testing::TickEnabled(sim, TweakCategory::Explorer, false);
    ApplyItemStates(sim.ctx);
    expectReads(false);
    sim.Redetect();
    EXPECT_EQ(testing::TickedEnabled(sim, TweakCategory::Explorer), std::vector<int>{});
    EXPECT_EQ(sim.processes.calls.size(), isEnabled(8) ? 4u : 0u);
}

std::string EditionName(const ::testing::TestParamInfo<EditionCase>& info) { return testing::EditionName(info.param.edition); }

INSTANTIATE_TEST_SUITE_P(Editions, ExplorerRoundTrip,
                         ::testing::Values(
                             // With no DesktopProcess value, item 4 starts ticked.
                             EditionCase{SimulatedWindows::Xp, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {4}},
                             EditionCase{SimulatedWindows::Win2000, {2, 3, 4, 5, 6, 10}, {4}},
                             EditionCase{SimulatedWindows::Nt4, {2, 4, 5, 6, 10}, {4}},
                             EditionCase{SimulatedWindows::Win98, {2, 10}, {}}),
                         EditionName);

// Applies one item ticked or not, whatever the machine was thought to be.
void ApplyOne(SimulatedContext& sim, int item, bool ticked) {
    sim.Entry(TweakCategory::Explorer, item).ticked = ticked;
    sim.ctx.items.states.Set(TweakCategory::Explorer, item - 1, !ticked);
    ApplyItemStates(sim.ctx);
}

TEST(ExplorerKeys, RemoteTasksGoWithTheirSubkeysAndComeBackBare) {
    SimulatedContext sim(SimulatedWindows::Win2000);
    const std::string tasks = NS + "\\" + TASKS;
    RegWriteValue(sim.registry, HKLM, tasks + "\\Deep\\Deeper", "x", "String", "y");
    RegWriteValue(sim.registry, HKLM, tasks, "Extra", "DWORD", "1");
    RunStartupSequence(sim.ctx);
    const std::vector<std::string> siblings = RegSubKeyNames(sim.registry, HKLM, NS);
    ASSERT_EQ(siblings.size(), 2u);

    ApplyOne(sim, 3, true);
    EXPECT_FALSE(RegExists(sim.registry, HKLM, NS, TASKS, "Key"));
    EXPECT_FALSE(sim.registry.CanOpenKey(HKLM, tasks.substr(1) + "\\Deep", RegAccess::Query));
    EXPECT_EQ(RegSubKeyNames(sim.registry, HKLM, NS).size(), 1u) << "the printers stay";

    ApplyOne(sim, 3, false);
    EXPECT_EQ(sim.registry.ValueNames(HKLM, tasks.substr(1)), std::vector<std::string>{""});
    EXPECT_TRUE(RegSubKeyNames(sim.registry, HKLM, tasks).empty());
    EXPECT_EQ(RegValueKind(sim.registry, HKLM, tasks, ""), "String");
    EXPECT_EQ(RegReadValue(sim.registry, HKLM, tasks, "", "String"), "タスク");
}

// Every value below a key, with its type, in a comparable form.
std::vector<std::string> Tree(RegistryStore& reg, RegRoot root, const std::string& path) {
    std::vector<std::string> out;
    for (const auto& name : reg.ValueNames(root, path)) {
        const auto v = reg.QueryValue(root, path, name, RegAccess::Query);
        out.push_back(path + "|" + name + "|" + std::to_string(v->type) + "|" + DecodeRegString(v->bytes));
    }
    for (const auto& sub : reg.SubKeyNames(root, path)) {
        auto below = Tree(reg, root, path + "\\" + sub);
        out.insert(out.end(), below.begin(), below.end());
    }
    return out;
}

std::vector<std::string> Handlers(RegistryStore& reg) {
    std::vector<std::string> out;
    for (const std::string& key : {AVI, VIDEO})
        if (reg.CanOpenKey(HKCR, key.substr(1), RegAccess::Query)) {
            auto below = Tree(reg, HKCR, key.substr(1));
            out.insert(out.end(), below.begin(), below.end());
        }
    return out;
}

TEST(ExplorerKeys, VideoHandlersComeBackAsAFreshXpHasThem) {
    SimulatedContext sim(SimulatedWindows::Xp);
    RunStartupSequence(sim.ctx);
    const auto fresh = Handlers(sim.registry);
    ASSERT_EQ(fresh.size(), 6u);
    RegWriteValue(sim.registry, HKCR, VIDEO + "\\Extra", "", "String", "below");

    ApplyOne(sim, 7, true);
    EXPECT_TRUE(Handlers(sim.registry).empty());
    sim.Redetect();
    EXPECT_TRUE(sim.Entry(TweakCategory::Explorer, 7).ticked);

    ApplyOne(sim, 7, false);
    EXPECT_EQ(Handlers(sim.registry), fresh);
    RegDeleteKeyTree(sim.registry, HKCR, AVI);
    sim.Redetect();
    EXPECT_FALSE(sim.Entry(TweakCategory::Explorer, 7).ticked) << "one handler left";
}

TEST(ExplorerCompressedFolders, CommandsPerEdition) {
    struct Case {
        const char* name;
        OsVersion version;
        std::vector<std::string> optimise, undo;
    };
    const Case cases[] = {
        {"XP",
         {2, 5, 1},
         {"hidden|regsvr32 /u /s cabview.dll", "hidden|regsvr32 /u /s zipfldr.dll"},
         {"hidden|regsvr32 /s cabview.dll", "hidden|regsvr32 /s zipfldr.dll"}},
        {"Me", {1, 4, 90}, {"hidden|regsvr32 /u /s cabview.dll"}, {"hidden|regsvr32 /s cabview.dll"}},
        {"9x of no known edition",
         {1, 4, 50},
         {"hidden|regsvr32 /u /s cabview.dll", "hidden|regsvr32 /u /s zipfldr.dll"},
         {"hidden|regsvr32 /s cabview.dll", "hidden|regsvr32 /s zipfldr.dll"}},
    };
    for (const Case& c : cases) {
        SimulatedContext sim(SimulatedWindows::Win98);
        sim.system.version = c.version;
        RunStartupSequence(sim.ctx);
        ASSERT_TRUE(sim.Entry(TweakCategory::Explorer, 8).enabled) << c.name;
        EXPECT_FALSE(sim.Entry(TweakCategory::Explorer, 8).ticked) << c.name << ": no エクスプローラ section";

        sim.Entry(TweakCategory::Explorer, 8).ticked = true;
        ApplyItemStates(sim.ctx);
        EXPECT_EQ(sim.processes.calls, c.optimise) << c.name;
        EXPECT_EQ(sim.Prefs("エクスプローラ", "8"), "true");
        sim.Redetect();
        EXPECT_TRUE(sim.Entry(TweakCategory::Explorer, 8).ticked);

        sim.processes.calls.clear();
        sim.Entry(TweakCategory::Explorer, 8).ticked = false;
        ApplyItemStates(sim.ctx);
        EXPECT_EQ(sim.processes.calls, c.undo) << c.name;
        EXPECT_EQ(sim.Prefs("エクスプローラ", "8"), "false");
        sim.Redetect();
        EXPECT_FALSE(sim.Entry(TweakCategory::Explorer, 8).ticked);
    }
}

TEST(ExplorerDetection, ValuesReadAsTheTableSays) {
    struct Case {
        int item;
        RegRoot root;
        std::string key, name, kindTag, text;
        bool ticked;
    };
    const std::string twoQuotes = "\"\"";
    const Case cases[] = {
        // The links folder name must be exactly two double quotes.
        {10, HKCU, TB, "LinksFolderName", "String", twoQuotes, true},
        {10, HKCU, TB, "LinksFolderName", "String", " \"\" ", false},
        {10, HKCU, TB, "LinksFolderName", "String", "\"", false},
        {10, HKCU, TB, "LinksFolderName", "String", "\"\"\"\"", false},
        {10, HKCU, TB, "LinksFolderName", "String", "NULL", false},
        // DesktopProcess: 0 or absent is optimised, a string is not.
        {4, HKCU, EXU, "DesktopProcess", "DWORD", "0", true},
        {4, HKCU, EXU, "DesktopProcess", "DWORD", "1", false},
        {4, HKCU, EXU, "DesktopProcess", "String", "0", false},
        {2, HKLM, UPD, "UpdateMode", "Binary", "00000001", false},
    };
    for (const Case& c : cases) {
        SimulatedContext sim(SimulatedWindows::Xp);
        RegDeleteValue(sim.registry, c.root, c.key, c.name);
        RegWriteValue(sim.registry, c.root, c.key, c.name, c.kindTag, c.text);
        RunStartupSequence(sim.ctx);
        EXPECT_EQ(sim.Entry(TweakCategory::Explorer, c.item).ticked, c.ticked)
            << c.item << " " << c.name << " " << c.kindTag << " '" << c.text << "'";
    }
}

TEST(ExplorerLinksFolder, WritesTwoQuotesAsAPlainString) {
    SimulatedContext sim(SimulatedWindows::Nt4);
    RunStartupSequence(sim.ctx);
    ApplyOne(sim, 10, true);
    const auto raw = sim.registry.QueryValue(HKCU, TB.substr(1), "LinksFolderName", RegAccess::Query);
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->type, regtype::kSz);
    EXPECT_EQ(DecodeRegData(raw->bytes), std::string("\"\"\0", 3));
}

}  // namespace
}  // namespace brisko
