// The Others items with rules of their own, on simulated machines.
#include <gtest/gtest.h>

#include "engine/item_passes.h"
#include "platform/registry_values.h"
#include "startup/startup_sequence.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::SimulatedWindows;

const TweakCategory kOthers = TweakCategory::Others;
const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;
const std::string DESK = "\\Control Panel\\Desktop";
const std::string EXT = "\\SOFTWARE\\Microsoft\\Internet Explorer\\Extensions";
const std::string MSGR = "{FB5F1910-F110-11d2-BB9E-00C04F795683}";

std::string MaskHex(SimulatedContext& sim) {
    return testing::ReadBinaryHex(sim.registry, HKCU, DESK, "UserPreferencesMask");
}

class OthersItems : public ::testing::Test {
protected:
    SimulatedContext sim{SimulatedWindows::Xp};
    void Apply(int item, bool ticked) {
        sim.Entry(kOthers, item).ticked = ticked;
        ApplyItemStates(sim.ctx);
    }
};

// The menu mask of Others 6 kept and put back, rows of tests/data/menu_masks.tsv.
TEST(OthersMenuMask, KeptInThePreferencesAndPutBack) {
    for (auto c : testing::TestDataRows("menu_masks.tsv")) {
        for (auto& cell : c) cell = testing::Unescaped(cell);
        SimulatedContext s(SimulatedWindows::Xp);
        s.registry.DeleteValue(HKCU, DESK.substr(1), "UserPreferencesMask");
        if (c.at(0) != "-")
            s.registry.SetValue(HKCU, DESK.substr(1), "UserPreferencesMask", testing::StoredValue(c[0], c.at(1)));
        RunStartupSequence(s.ctx);
        if (c.at(2) != "-") IniWriteValue(s.files, s.ctx.paths.preferencesFile, "その他", "6", c[2]);
        s.Entry(kOthers, 6).ticked = true;
        ApplyItemStates(s.ctx);
        EXPECT_EQ(s.Prefs("その他", "6"), c.at(3));
        EXPECT_EQ(MaskHex(s), "B0000000");
        s.Entry(kOthers, 6).ticked = false;
        ApplyItemStates(s.ctx);
        EXPECT_EQ(MaskHex(s), c.at(4)) << c[3];
        EXPECT_EQ(s.Prefs("その他", "6"), c[3]) << "the entry stays";
    }
}

TEST_F(OthersItems, Item10MovesTheExtensionWithEverythingInItAndBack) {
    const std::string ext = EXT.substr(1);
    RegWriteValue(sim.registry, HKLM, EXT + "\\" + MSGR, "CLSID", "String", "{FB5F1911-F110-11d2-BB9E-00C04F795683}");
    RegWriteValue(sim.registry, HKLM, EXT + "\\" + MSGR + "\\Sub\\Deeper", "Flag", "DWORD", "7");
    const auto before = testing::SubtreeDump(sim.registry, HKLM, ext + "\\" + MSGR);
    RunStartupSequence(sim.ctx);
    Apply(10, true);
    EXPECT_FALSE(sim.registry.CanOpenKey(HKLM, ext + "\\" + MSGR, RegAccess::Query));
    EXPECT_EQ(testing::SubtreeDump(sim.registry, HKLM, ext + "\\;" + MSGR), before);
    Apply(10, false);
    EXPECT_FALSE(sim.registry.CanOpenKey(HKLM, ext + "\\;" + MSGR, RegAccess::Query));
    EXPECT_EQ(testing::SubtreeDump(sim.registry, HKLM, ext + "\\" + MSGR), before);
    EXPECT_EQ(before.size(), 5u) << "ButtonText, CLSID, Sub, Sub\\Deeper and its Flag";
}

}  // namespace
}  // namespace brisko
