#include <gtest/gtest.h>

#include "platform/os_edition.h"

namespace brisko {
namespace {

using Items = DisabledItemSets;

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

// Editions that share another's table, with their own differences.
TEST(OsEdition, RelatedEditionsShareTheirFamilysItems) {
    const Items ninetyFive = ClassifyOsEdition({1, 4, 0}).disabledItems;
    auto r = ClassifyOsEdition({1, 4, 90});
    EXPECT_EQ(r.disabledItems[2], (std::vector<int>{1, 3, 4, 5, 6, 7, 9})) << "Me keeps Explorer 8";
    EXPECT_EQ(ClassifyOsEdition({1, 4, 3}).disabledItems[0], ninetyFive[0]) << "an unknown 9x still gets the 9x set";
    r = ClassifyOsEdition({2, 5, 2});
    EXPECT_EQ(r.disabledItems, (Items{{{6}, {}, {}, {}, {}}})) << "Server 2003 disables only System 6";
    EXPECT_TRUE(r.disabledControls.empty());
    r = ClassifyOsEdition({2, 3, 51});
    EXPECT_EQ(r.disabledItems, Items{});
    EXPECT_TRUE(r.disabledControls.empty());
}

}  // namespace
}  // namespace brisko
