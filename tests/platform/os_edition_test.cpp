#include <gtest/gtest.h>

#include "platform/modern_windows.h"
#include "platform/os_edition.h"

namespace brisko {
namespace {

TEST(OsEdition, ClassifiesEachWindowsLine) {
    struct Case {
        OsVersion v;
        const char* family;
        const char* edition;
    };
    for (const Case& c : {Case{{1, 4, 0}, "9x", "95"}, Case{{1, 4, 10}, "9x", "98"}, Case{{1, 4, 90}, "9x", "Me"},
                          Case{{1, 4, 3}, "9x", ""}, Case{{2, 4, 0}, "NT", "NT"}, Case{{2, 5, 0}, "NT", "2k"},
                          Case{{2, 5, 1}, "NT", "XP"}, Case{{2, 5, 2}, "NT", "XP"}, Case{{2, 6, 0}, "NT", "XP"},
                          Case{{2, 6, 2}, "NT", "XP"}, Case{{2, 3, 51}, "NT", ""}, Case{{2, 10, 0}, "NT", ""},
                          Case{{3, 5, 1}, "", ""}}) {
        const auto r = ClassifyOsEdition(c.v);
        EXPECT_EQ(r.edition, (OsEdition{c.family, c.edition}))
            << c.v.platformId << "." << c.v.major << "." << c.v.minor;
    }
}

TEST(OsEdition, NtFromSixTwoOnAlsoLosesTheModernSet) {
    EXPECT_EQ(ClassifyOsEdition({2, 6, 1}).disabledItems, (DisabledItemSets{{{6}, {}, {}, {}, {}}}));
    EXPECT_EQ(ClassifyOsEdition({2, 10, 0}).disabledItems, ModernWindowsSet()) << "no edition, no XP set";
    EXPECT_EQ(WindowsName({6, 3, 9600}), "Windows 8.1 (6.3.9600)");
    EXPECT_EQ(WindowsName({10, 0, 22000}), "Windows 11 (10.0.22000)");
}

}  // namespace
}  // namespace brisko
