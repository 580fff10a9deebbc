// The services page on a simulated XP machine.
#include <gtest/gtest.h>

#include "engine/item_passes.h"
#include "engine/services.h"
#include "platform/registry_values.h"
#include "prefs/preferences.h"
#include "startup/startup_sequence.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::StartedContext;
using testing::SimulatedWindows;

const std::string SERVICES = "\\SYSTEM\\CurrentControlSet\\Services\\";

class Services : public ::testing::Test {
protected:
    SimulatedContext sim{SimulatedWindows::Xp};
    ProgramContext& ctx = sim.ctx;
    std::vector<ItemEntry>& list = ctx.items.List(TweakCategory::Service);

    std::vector<std::string> Labels() {
        std::vector<std::string> labels;
        for (const auto& e : list) labels.push_back(e.label + (e.ticked ? " [x]" : ""));
        return labels;
    }
    size_t Position(const std::string& label) {
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].label == label) return i;
        ADD_FAILURE() << label << " not listed";
        return 0;
    }
    std::string Start(const std::string& key) {
        return RegReadValue(sim.registry, RegRoot::LocalMachine, SERVICES + key, "Start", "DWORD");
    }
};

TEST_F(Services, ListedSortedAndTickedWhenStopped) {
    RunStartupSequence(ctx);
    std::vector<std::string> labels = Labels();
    // Services of the other categories' machine (the Security Center) are listed too.
    labels.erase(std::remove(labels.begin(), labels.end(), "Security Center"), labels.end());
    EXPECT_EQ(labels, (std::vector<std::string>{
                          "Alerter [x]", "DHCP Client", "DNS Client", "Messenger [x]", "Plug and Play",
                          "Remote Procedure Call (RPC)", "TCP/IP NetBIOS Helper",
                          "universal plug and play device host [x]", "Windows Audio", "Workstation", "workstation"}))
        << "no drivers, no expandable display names; equal names in registry order";
    EXPECT_EQ(sim.services.enumerations, 1);
    EXPECT_TRUE(ctx.items.states.Get(TweakCategory::Service, Position("Messenger")));
    for (const auto& e : list) EXPECT_FALSE(e.enabled) << "the page is unavailable until the user allows it";
}

TEST_F(Services, WithoutRightsNothingIsStoppedAndUnlistedServicesAreAskedAlone) {
    StartedContext full(SimulatedWindows::Xp);
    SimulatedContext other(SimulatedWindows::Xp);
    other.services.states.erase(other.services.states.begin());  // Alerter missing from the enumeration
    RunStartupSequence(other.ctx);
    EXPECT_EQ(other.services.queries, full.services.queries + 1) << "only the missing one is asked alone";

    sim.services.accessible = false;
    RunStartupSequence(ctx);
    for (const auto& e : list) EXPECT_FALSE(e.ticked) << e.label;
    EXPECT_EQ(sim.services.queries, 1) << "no access: the list asks nothing one by one (Desktop 10 asks for its own)";
    EXPECT_FALSE(other.ctx.items.List(TweakCategory::Service)[0].ticked) << "asked alone: unknown";
}

TEST_F(Services, StoppingKeepsTheStartTypeAndStartingPutsItBack) {
    RunStartupSequence(ctx);
    const size_t audio = Position("Windows Audio"), alerter = Position("Alerter");
    list[audio].ticked = true;     // running, start type 2
    list[alerter].ticked = false;  // stopped at start, nothing kept
    ApplyItemStates(ctx);
    Preferences prefs(sim.files, ctx.paths.preferencesFile);
    EXPECT_EQ(prefs.Read("不要サービス", "Windows Audio"), "2");
    EXPECT_EQ(Start("AudioSrv"), "3");
    EXPECT_EQ(Start("Alerter"), "3") << "nothing kept: manual";
    EXPECT_EQ(sim.processes.calls,
              (std::vector<std::string>{"hidden|net start \"Alerter\"", "hidden|net stop \"Windows Audio\""}));
    list[audio].ticked = false;
    ApplyItemStates(ctx);
    EXPECT_EQ(Start("AudioSrv"), "2");
    EXPECT_EQ(sim.processes.calls.back(), "hidden|net start \"Windows Audio\"");
    EXPECT_EQ(prefs.Read("不要サービス", "Windows Audio"), "2") << "the kept type stays";
}

TEST_F(Services, GoneOrUnsafeServicesAreSkipped) {
    RegWriteValue(sim.registry, RegRoot::LocalMachine, SERVICES + "Evil", "DisplayName", "String",
                  "Evil\" & format C: & \"");
    RegWriteValue(sim.registry, RegRoot::LocalMachine, SERVICES + "Evil", "ObjectName", "String", "LocalSystem");
    RunStartupSequence(ctx);
    const size_t evil = Position("Evil\" & format C: & \""), plug = Position("Plug and Play");
    list[evil].ticked = list[plug].ticked = true;
    RegDeleteKeyTree(sim.registry, RegRoot::LocalMachine, SERVICES + "PlugPlay");
    ApplyItemStates(ctx);
    EXPECT_TRUE(sim.processes.calls.empty()) << "no command with the unsafe name, none for the gone service";
    ASSERT_EQ(sim.prompts.shown.size(), 1u);
    EXPECT_EQ(sim.prompts.shown[0].kind, PromptKind::Error);
    EXPECT_NE(sim.prompts.shown[0].text.find("Evil\" & format C: & \""), std::string::npos);
    EXPECT_FALSE(ctx.items.states.Get(TweakCategory::Service, evil));
    EXPECT_FALSE(ctx.items.states.Get(TweakCategory::Service, plug));
    EXPECT_EQ(Start("Evil"), "NULL");
}

TEST_F(Services, AWholeDisabledPageIsSkipped) {
    RunStartupSequence(ctx);
    list[Position("Windows Audio")].ticked = true;
    ctx.controls.SetEnabled("LstService", false);
    ApplyItemStates(ctx);
    EXPECT_TRUE(sim.processes.calls.empty());
}

TEST_F(Services, MoreThanTwoHundredServices) {
    for (int i = 0; i < 300; ++i) {
        const std::string key = SERVICES + "Svc" + std::to_string(i);
        RegWriteValue(sim.registry, RegRoot::LocalMachine, key, "DisplayName", "String", "Zz service " + std::to_string(1000 + i));
        RegWriteValue(sim.registry, RegRoot::LocalMachine, key, "ObjectName", "String", "LocalSystem");
        sim.services.states.emplace_back("Svc" + std::to_string(i), i == 299 ? ServiceState::Stopped : ServiceState::Running);
    }
    RunStartupSequence(ctx);
    ASSERT_GT(list.size(), 300u);
    EXPECT_EQ(list.back().label, "Zz service 1299");
    EXPECT_TRUE(list.back().ticked);
    EXPECT_TRUE(ctx.items.states.Get(TweakCategory::Service, list.size() - 1));
    list.back().ticked = false;
    ApplyItemStates(ctx);
    EXPECT_EQ(sim.processes.calls.back(), "hidden|net start \"Zz service 1299\"");
}

TEST_F(Services, DetailsTextFillsTheTemplate) {
    RunStartupSequence(ctx);
    const std::string tpl = "■ %s の説明\n%s\n□ サービス名： %s\n□ 表示名： %s\n□ スタートアップの種類： %s\n"
                            "□ ログオン： %s\n□ 実行ファイルのパス： %s\n□ 依存： %s\n□ 被依存： %s\n";
    EXPECT_EQ(ServiceDetailsText(ctx, "Windows Audio", tpl),
              "■ Windows Audio の説明\nなし\n□ サービス名： AudioSrv\n□ 表示名： Windows Audio\n"
              "□ スタートアップの種類： 自動\n□ ログオン： ローカル システム\n"
              "□ 実行ファイルのパス： %SystemRoot%\\System32\\AudioSrv.exe\n"
              "□ 依存： \r\n　Plug and Play (開始中)\r\n　Remote Procedure Call (RPC) (開始中)\n□ 被依存： 依存関係なし\n");
    const std::string lan = ServiceDetailsText(ctx, "Workstation", "%s|%s|%s|%s|%s|%s|%s|%s|%s");
    EXPECT_EQ(lan, "Workstation|なし|LanmanWorkstation|Workstation|自動|ローカル システム|"
                   "%SystemRoot%\\System32\\LanmanWorkstation.exe|依存関係なし|"
                   "\r\n　Alerter (停止中)\r\n　Messenger (停止中)")
        << "dependents found by name in any case";
}

}  // namespace
}  // namespace brisko
