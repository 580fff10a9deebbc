// The Others item that keeps a value in the preferences, on simulated machines.
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
const RegRoot HKCU = RegRoot::CurrentUser;
const std::string DESK = "\\Control Panel\\Desktop";

std::string MaskHex(SimulatedContext& sim) {
    return testing::ReadBinaryHex(sim.registry, HKCU, DESK, "UserPreferencesMask");
}

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

}  // namespace
}  // namespace brisko
