// The start-up against the test prefix's real registry and its own C: drive,
// as Windows XP and as Windows 98. Everything the test touches is put back
// afterwards. (The items themselves run on the real registry in
// items_under_wine_test.cpp.)
#include <gtest/gtest.h>

#include <cstdlib>

#include "startup/item_enabling.h"
#include "prefs/preferences.h"
#include "startup/startup_sequence.h"
#include "support/win32/real_context.h"

namespace brisko {
namespace {

TEST(EditionUnderWine, StartupOnTheRealRegistry) {
    const char* version = std::getenv("BRISKO_WINE_VERSION");
    if (!version || (std::string(version) != "winxp" && std::string(version) != "win98"))
        GTEST_SKIP() << "runs as winxp and as win98";
    const bool xp = std::string(version) == "winxp";

    testing::SimulatedPrefix real(xp ? testing::SimulatedWindows::Xp : testing::SimulatedWindows::Win98);
    auto& [registry, files, services, processes, prompts, resources, clock, scratch, system] =
        static_cast<testing::RealBackends&>(real);
    ProgramContext& ctx = real.ctx;
    const std::string& sysoc = real.sysocPath;

    RunStartupSequence(ctx);
    EXPECT_EQ(ctx.os, (xp ? OsEdition{"NT", "XP"} : OsEdition{"9x", "98"}));
    EXPECT_EQ(ctx.paths.preferencesFile, scratch->folder + "\\Brisko.ini");
    EXPECT_NE(ctx.paths.fixedDriveLetters.find('C'), std::string::npos);
    EXPECT_EQ(ctx.paths.bootFilePath, xp ? "C:\\boot.ini" : "C:\\Msdos.sys");
    EXPECT_EQ(ctx.paths.sysocFilePath, xp ? sysoc : "NULL") << "98 has no sysoc.inf";
    Preferences prefs(files, ctx.paths.preferencesFile);
    EXPECT_EQ(prefs.Read("環境設定", "SafetyDisabled"), "done");
    EXPECT_EQ(prefs.Read("環境設定", "TransitOption"), "1");
    // On 98 the edition rules out System 2-4 anyway, so marking turns the
    // safety disabling's "true" into "pre_true".
    EXPECT_EQ(prefs.Read("DisabledItem", "System2"), xp ? "true" : "pre_true");

    // Enable every System item the user may (as the options window does:
    // only "true" can be cleared).
    for (const char* key : {"System2", "System3", "System4"})
        if (prefs.Read("DisabledItem", key) == "true") prefs.Delete("DisabledItem", key);
    ApplyDisabledItems(ctx);
    std::vector<int> enabled;
    auto& list = ctx.items.List(TweakCategory::System);
    for (int n = 1; n <= 10; ++n)
        if (list[n - 1].enabled) enabled.push_back(n);
    EXPECT_EQ(enabled, (xp ? std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10} : std::vector<int>{5, 6, 7}));
    EXPECT_TRUE(prompts.shown.empty());
}

}  // namespace
}  // namespace brisko
