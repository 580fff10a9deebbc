// Windows 8 to 11 report 6.2: the items that do nothing or harm there are
// unavailable for good, and their descriptions say why.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/unavailable_reason.h"
#include "platform/modern_windows.h"
#include "platform/os_edition.h"
#include "prefs/preference_keys.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

TEST(OsEdition, NtFromSixTwoOnAlsoLosesTheModernSet) {
    EXPECT_EQ(ClassifyOsEdition({2, 6, 1}).disabledItems, (DisabledItemSets{{{6}, {}, {}, {}, {}}}));
    EXPECT_EQ(ClassifyOsEdition({2, 10, 0}).disabledItems, ModernWindowsSet()) << "no edition, no XP set";
}

TEST(ModernWindows, TheSetIsPreDisabledAndNamesTheRealWindows) {
    testing::SimulatedContext sim(testing::SimulatedWindows::Xp);
    sim.system.version = {2, 6, 2};
    sim.system.actualVersion = {10, 0, 22631};
    RunStartupSequence(sim.ctx);
    const DisabledItemSets set = ModernWindowsSet();
    for (size_t c = 0; c < set.size(); ++c)
        for (int n = 1; n <= 10; ++n) {
            const TweakCategory category = kSettingCategories[c];
            const std::string note = UnavailableNote(sim.ctx, category, n - 1), at = CategoryKey(category).data();
            const bool inSet = std::find(set[c].begin(), set[c].end(), n) != set[c].end();
            EXPECT_EQ(note.starts_with("※ この項目は Windows 11 (10.0.22631) では使用できません。") && note.size() > 100,
                      inSet) << at << n << note;
            if (inSet) { EXPECT_EQ(sim.Prefs("DisabledItem", prefkey::DisabledItemKey(category, n)), "pre_true") << at << n; }
        }
}

// Undone there, an item gives back what Windows 8 and later ship: short
// names decided per volume, and the system's own wallpaper where it is.
TEST(ModernWindows, UndoingGivesBackWhatWindowsShips) {
    for (bool pictureThere : {true, false}) {
        testing::SimulatedContext sim(testing::SimulatedWindows::Xp);
        sim.system.version = {2, 6, 2};
        const std::string picture = "C:\\WINDOWS\\Web\\Wallpaper\\Windows\\img0.jpg";
        if (pictureThere) sim.files.AddFile(picture, "JFIF");
        const std::string fs = "\\SYSTEM\\CurrentControlSet\\Control\\FileSystem", desk = "\\Control Panel\\Desktop";
        RegWriteValue(sim.registry, RegRoot::LocalMachine, fs, "NtfsDisable8dot3NameCreation", "DWORD", "1");
        RegWriteValue(sim.registry, RegRoot::CurrentUser, desk, "Wallpaper", "String", "");
        RunStartupSequence(sim.ctx);
        testing::ApplyOne(sim.ctx, TweakCategory::Explorer, 6, false);
        testing::ApplyOne(sim.ctx, TweakCategory::Desktop, 7, false);
        EXPECT_EQ(sim.Hklm(fs, "NtfsDisable8dot3NameCreation"), "2") << "not 0: short names on every volume";
        EXPECT_EQ(sim.Hkcu(desk, "Wallpaper", "String"), pictureThere ? picture : "NULL") << "never XP's picture";
    }
}

}  // namespace
}  // namespace brisko
