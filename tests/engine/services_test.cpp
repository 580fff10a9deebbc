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
using testing::SimulatedWindows;

const std::string SERVICES = "\\SYSTEM\\CurrentControlSet\\Services\\";

class Services : public ::testing::Test {
protected:
    SimulatedContext sim{SimulatedWindows::Xp};
    ProgramContext& ctx = sim.ctx;
    std::vector<ItemEntry>& list = ctx.items.ServiceListAsItStands();  // read as first needed

    std::vector<std::string> Labels() {
        ctx.items.NeedServices();
        std::vector<std::string> labels;
        for (const auto& e : list) labels.push_back(e.label + (e.ticked ? " [x]" : ""));
        return labels;
    }
    size_t Position(const std::string& label) {
        ctx.items.NeedServices();
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].label == label) return i;
        ADD_FAILURE() << label << " not listed";
        return 0;
    }
    std::string Start(const std::string& key) { return sim.Hklm(SERVICES + key, "Start"); }
};

TEST_F(Services, ListedSortedAndTickedWhenStopped) {
    RunStartupSequence(ctx);
    std::vector<std::string> labels = Labels();
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

TEST_F(Services, StoppingKeepsTheStartTypeAndStartingPutsItBack) {
    RunStartupSequence(ctx);
    const size_t audio = Position("Windows Audio"), alerter = Position("Alerter");
    for (auto& e : list) e.enabled = true;  // the user allowed the page
    list[audio].ticked = true;     // running, start type 2
    list[alerter].ticked = false;  // stopped at start, nothing kept
    ApplyItemStates(ctx);
    Preferences prefs(sim.files, ctx.paths.preferencesFile);
    EXPECT_EQ(prefs.Read("不要サービス", "Windows Audio"), "2");
    EXPECT_EQ(Start("AudioSrv"), "3");
    EXPECT_EQ(Start("Alerter"), "3") << "nothing kept: manual";
    EXPECT_EQ(sim.services.changes, (std::vector<std::string>{"start-type|Alerter|3", "start|Alerter", "stop|AudioSrv",
                                                              "start-type|AudioSrv|3"}))
        << "through the service manager, by key name; the stop before the start type";
    EXPECT_TRUE(sim.processes.calls.empty()) << "no net command";
    list[audio].ticked = false;
    ApplyItemStates(ctx);
    EXPECT_EQ(Start("AudioSrv"), "2");
    EXPECT_EQ(sim.services.changes.back(), "start|AudioSrv");
    EXPECT_EQ(prefs.Read("不要サービス", "Windows Audio"), "2") << "the kept type stays";
}

TEST_F(Services, GoneOrUnsafeServicesAreSkipped) {
    RegWriteValue(sim.registry, RegRoot::LocalMachine, SERVICES + "Evil", "DisplayName", "String",
                  "Evil\" & format C: & \"");
    RegWriteValue(sim.registry, RegRoot::LocalMachine, SERVICES + "Evil", "ObjectName", "String", "LocalSystem");
    RegWriteValue(sim.registry, RegRoot::LocalMachine, SERVICES + "Evil", "Type", "DWORD", "16");
    RunStartupSequence(ctx);
    const size_t evil = Position("Evil\" & format C: & \""), plug = Position("Plug and Play");
    for (auto& e : list) e.enabled = true;
    list[evil].ticked = list[plug].ticked = true;
    RegDeleteKeyTree(sim.registry, RegRoot::LocalMachine, SERVICES + "PlugPlay");
    ApplyItemStates(ctx);
    EXPECT_TRUE(sim.services.requests.empty()) << "nothing asked for the unsafe name, nor for the gone service";
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
    EXPECT_TRUE(sim.services.requests.empty());
}

TEST_F(Services, VistaAndLaterShowReadableNamesAndHideWhatWindowsNeeds) {
    sim.system.version = {2, 6, 0};
    RegWriteValue(sim.registry, RegRoot::LocalMachine, SERVICES + "AudioSrv", "DisplayName", "String",
                  "@%SystemRoot%\\system32\\audiosrv.dll,-200");
    sim.services.indirectTexts["AudioSrv|DisplayName"] = "Windows オーディオ";
    RunStartupSequence(ctx);
    const std::vector<std::string> labels = Labels();
    for (const char* hidden : {"Plug and Play", "Remote Procedure Call (RPC)", "DHCP Client", "DNS Client"})
        EXPECT_EQ(std::count(labels.begin(), labels.end(), hidden), 0) << hidden;
    for (auto& e : list) e.enabled = true;
    list[Position("Windows オーディオ")].ticked = true;
    ApplyItemStates(ctx);
    EXPECT_EQ(sim.services.changes, (std::vector<std::string>{"stop|AudioSrv", "start-type|AudioSrv|3"}));
}

TEST_F(Services, AStopThatWouldAskAboutRunningDependentsIsNotStarted) {
    sim.services.activeDependents["LanmanWorkstation"] = {"Computer Browser"};
    RunStartupSequence(ctx);
    const size_t workstation = Position("Workstation");
    for (auto& e : list) e.enabled = true;
    list[workstation].ticked = true;
    ApplyItemStates(ctx);
    EXPECT_TRUE(sim.services.requests.empty()) << "the dependents are asked about before anything";
    EXPECT_EQ(Start("LanmanWorkstation"), "2");
    ASSERT_EQ(sim.prompts.shown.size(), 1u);
    EXPECT_NE(sim.prompts.shown[0].text.find("Computer Browser"), std::string::npos);
}

}  // namespace
}  // namespace brisko
