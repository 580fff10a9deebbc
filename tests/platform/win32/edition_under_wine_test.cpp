// GetVersionExA as each Windows edition Wine can show, and the edition the
// rules make of it. The test script sets Wine's Version value and names it
// in BRISKO_WINE_VERSION.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "engine/detect_os_edition.h"
#include "engine/item_passes.h"
#include "engine/item_rules.h"
#include "engine/policy_note.h"
#include "engine/protected_services.h"
#include "engine/services.h"
#include "engine/unavailable_reason.h"
#include "platform/win32/win32_system_info.h"
#include "support/memory_context.h"
#include "support/win32/real_context.h"

namespace brisko {
namespace {

TEST(EditionUnderWine, VersionGivesTheExpectedEdition) {
    const char* version = std::getenv("BRISKO_WINE_VERSION");
    if (!version) GTEST_SKIP() << "run by scripts/test with a Wine version set";
    // win10 reports 6.2 to a program without a compatibility manifest.
    const std::map<std::string, OsEdition> expected = {
        {"win95", {"9x", "95"}}, {"win98", {"9x", "98"}}, {"winme", {"9x", "Me"}},  {"nt40", {"NT", "NT"}},
        {"win2k", {"NT", "2k"}}, {"winxp", {"NT", "XP"}}, {"win2003", {"NT", "XP"}}, {"vista", {"NT", "XP"}},
        {"win7", {"NT", "XP"}},  {"win10", {"NT", "XP"}},
    };
    ASSERT_TRUE(expected.count(version)) << version;
    win32::Win32SystemInfo source;
    const OsVersion v = source.Version();
    EXPECT_EQ(ClassifyOsEdition(v).edition, expected.at(version))
        << version << " reports " << v.platformId << "." << v.major << "." << v.minor;
    // Only Windows 8 and later lose the modern set; the real version names it.
    testing::MemoryBackends b;
    ProgramContext ctx{Platform{b.registry, b.files, b.processes, b.prompts, b.resources, source, b.services, b.clock}};
    for (TweakCategory c : kSettingCategories) ctx.items.List(c).assign(10, ItemEntry{});
    DetectOsEdition(ctx);
    const bool modern = std::string(version) == "win10";
    EXPECT_EQ(ctx.items.List(TweakCategory::Others)[8].enabled, !modern) << version;
    const std::string note = UnavailableNote(ctx, TweakCategory::Others, 8);
    EXPECT_EQ(note.empty(), !modern) << note;
    if (modern) {
        EXPECT_EQ(v.major * 10 + v.minor, 62u);
        EXPECT_EQ(source.ActualVersion().major, 10u) << "RtlGetVersion is not bound by the manifest";
        EXPECT_NE(note.find("Windows 10 (10.0."), std::string::npos) << note;
    }
    // Wine's own services: from Vista on, none Windows needs, and readable names.
    testing::RealContext real;
    for (const ListedService& s : ListServices(real.ctx)) {
        EXPECT_FALSE(IsVistaOrLater(v) && IsProtectedService(s.keyName)) << s.keyName;
        EXPECT_FALSE(IsVistaOrLater(v) && s.displayName.starts_with("@")) << s.displayName;
    }
}

TEST(EditionUnderWine, PolicyItemsTellOfSettingsFromWindows8On) {
    const char* version = std::getenv("BRISKO_WINE_VERSION");
    if (!version) GTEST_SKIP();
    testing::MemoryContext m;
    m.system.version = win32::Win32SystemInfo().Version();
    LoadItemLists(m.ctx);
    InstallItemRules(m.ctx.items);
    EXPECT_EQ(PolicyNote(m.ctx, TweakCategory::Desktop, 2).empty(), std::string(version) != "win10") << version;
}

}  // namespace
}  // namespace brisko
