// GetVersionExA as each Windows edition Wine can show, and the edition the
// rules make of it. The test script sets Wine's Version value and names it
// in BRISKO_WINE_VERSION.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "platform/win32/win32_system_info.h"

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
    if (std::string(version) == "win10") {
        EXPECT_EQ(v.major * 10 + v.minor, 62u);
    }
}

}  // namespace
}  // namespace brisko
