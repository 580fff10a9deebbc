#include <gtest/gtest.h>

#include "platform/modern_windows.h"
#include "platform/os_edition.h"

namespace brisko {
namespace {

TEST(OsEdition, NtFromSixTwoOnAlsoLosesTheModernSet) {
    EXPECT_EQ(ClassifyOsEdition({2, 6, 1}).disabledItems, (DisabledItemSets{{{6}, {}, {}, {}, {}}}));
    EXPECT_EQ(ClassifyOsEdition({2, 10, 0}).disabledItems, ModernWindowsSet()) << "no edition, no XP set";
}

}  // namespace
}  // namespace brisko
