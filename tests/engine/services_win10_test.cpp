// The services page on a simulated Windows 10 (tests/data/services_win10.tsv):
// it lists exactly the services the table marks "yes"; a tick stops its
// service before the start type changes, an untick puts the kept type back
// and starts it; whatever the manager refuses changes nothing and is named.
#include <gtest/gtest.h>

#include <algorithm>

#include "backup/restore_command.h"
#include "engine/item_passes.h"
#include "platform/profile/profile_file.h"
#include "platform/text/case_fold.h"
#include "platform/text/cp932.h"
#include "startup/startup_sequence.h"
#include "support/memory_context.h"
#include "support/simulated_machine.h"
#include "support/simulated_services.h"
#include "support/test_data.h"

namespace brisko {
namespace {

using testing::TestDataRows;

struct Windows10 : testing::MemoryContext {
    Windows10() {
        testing::FillSimulatedMachine(testing::SimulatedWindows::Xp, registry, system, files, "C:");
        system.version = {2, 6, 2};
        system.actualVersion = {10, 0, 19045};
        testing::FillWindows10Services(registry, services);
        RunStartupSequence(ctx);
        for (auto& e : List()) e.enabled = true;  // the user allowed the page
    }
    std::vector<ItemEntry>& List() { return ctx.items.List(TweakCategory::Service); }
    size_t At(const std::string& label) {
        const auto it = std::find_if(List().begin(), List().end(), [&](const ItemEntry& e) { return e.label == label; });
        EXPECT_NE(it, List().end()) << label;
        return static_cast<size_t>(it - List().begin());
    }
    // Ticks or unticks one entry and applies.
    void Apply(const std::string& label, bool ticked) {
        List()[At(label)].ticked = ticked;
        ApplyItemStates(ctx);
    }
    std::string Start(const std::string& key) {
        return RegReadValue(registry, RegRoot::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Services\\" + key, "Start",
                            "DWORD");
    }
    bool Recorded(const std::string& label) { return ctx.items.states.Get(TweakCategory::Service, At(label)); }
};

TEST(ServicesOnWindows10, ListsExactlyTheServicesThatMayBeStopped) {
    Windows10 w;
    std::vector<std::string> expected, shown;
    for (const auto& row : TestDataRows("services_win10.tsv"))
        if (row.at(7) == "yes") expected.push_back(row[1]);
    std::sort(expected.begin(), expected.end(), text::RegistryNameLess);
    for (const auto& e : w.List()) shown.push_back(e.label);
    EXPECT_EQ(shown, expected);
}

TEST(ServicesOnWindows10, ATickStopsBeforeTheStartTypeAndAnUntickPutsItBack) {
    Windows10 w;
    w.Apply("Print Spooler", true);
    EXPECT_EQ(w.services.changes, (std::vector<std::string>{"stop|Spooler", "start-type|Spooler|3"}));
    EXPECT_EQ(w.Start("Spooler"), "3");
    EXPECT_EQ(IniReadValue(w.files, w.ctx.paths.preferencesFile, "不要サービス", "Print Spooler"), "2");
    EXPECT_TRUE(w.Recorded("Print Spooler"));
    w.Apply("Print Spooler", false);
    EXPECT_EQ(w.services.changes, (std::vector<std::string>{"stop|Spooler", "start-type|Spooler|3",
                                                            "start-type|Spooler|2", "start|Spooler"}));
    EXPECT_EQ(w.Start("Spooler"), "2");
    EXPECT_EQ(w.services.QueryState("Spooler"), ServiceState::Running);
    EXPECT_FALSE(w.Recorded("Print Spooler"));
    EXPECT_TRUE(w.prompts.shown.empty());
}

// Each refusal of the manager after the page was read: nothing changes (a
// service stopped before its start type was refused is started again), the
// message names the service, the tick and the record show it running.
TEST(ServicesOnWindows10, ARefusedStopOrChangeChangesNothingAndNamesTheService) {
    using Refusals = std::set<std::string> testing::FakeServiceManager::*;
    for (Refusals refusal : {&testing::FakeServiceManager::refusingChange, &testing::FakeServiceManager::refusingStop,
                             &testing::FakeServiceManager::hangingOnStop,
                             &testing::FakeServiceManager::refusingStartType}) {
        Windows10 w;
        (w.services.*refusal).insert("WSearch");
        w.Apply("Windows Search", true);
        EXPECT_EQ(w.Start("WSearch"), "2");
        EXPECT_TRUE(std::none_of(w.services.changes.begin(), w.services.changes.end(),
                                 [](const std::string& c) { return c.starts_with("start-type|"); }));
        EXPECT_EQ(IniReadValue(w.files, w.ctx.paths.preferencesFile, "不要サービス", "Windows Search") != "NULL",
                  refusal == &testing::FakeServiceManager::refusingStartType)
            << "the type is kept only once the stop took";
        ASSERT_EQ(w.prompts.shown.size(), 1u);
        EXPECT_EQ(w.prompts.shown[0].kind, PromptKind::Error);
        EXPECT_NE(w.prompts.shown[0].text.find("'Windows Search' (WSearch)"), std::string::npos);
        EXPECT_FALSE(w.List()[w.At("Windows Search")].ticked);
        EXPECT_FALSE(w.Recorded("Windows Search"));
    }
}

// A restore on Windows 10: a row the manager refuses is a warning, the other
// rows are put back, and no start type is invented for Security Center.
TEST(ServicesOnWindows10, ARestoreSkipsWhatCannotBeChangedWithAWarning) {
    Windows10 w;
    for (auto& [key, state] : w.services.states)
        if (key == "Spooler" || key == "DoSvc") state = ServiceState::Stopped;
    w.services.ChangeStartType("Spooler", 4);
    w.files.AddFile("C:\\r.ini", text::Utf8ToCp932("[バックアップ]\r\n形式=2\r\nOS=XP\r\n[システム]\r\n1=0\r\n"
                                                     "[デスクトップ]\r\n10=停止中\r\n[不要サービス]\r\nSpooler=開始中\r\n"
                                                     "DoSvc=開始中\r\n[不要サービス-s]\r\nSpooler=2\r\nDoSvc=2\r\n"
                                                     "[バックアップ終了]\r\n完了=1\r\n"));
    w.prompts.AnswerNext(false);
    EXPECT_TRUE(RunRestoreCommand(w.ctx, "C:\\r.ini")) << "no failure for what Windows does not allow";
    EXPECT_EQ(w.Start("Spooler"), "2");
    EXPECT_EQ(w.services.QueryState("Spooler"), ServiceState::Running);
    EXPECT_EQ(w.services.QueryState("DoSvc"), ServiceState::Stopped);
    EXPECT_EQ(w.services.QueryState("wscsvc"), ServiceState::Running);
    EXPECT_EQ(w.Start("wscsvc"), "2");
    EXPECT_NE(std::find_if(w.prompts.shown.begin(), w.prompts.shown.end(),
                           [](const auto& m) { return m.kind == PromptKind::Warn && m.text.find("(DoSvc)") != std::string::npos; }),
              w.prompts.shown.end());
}

}  // namespace
}  // namespace brisko
