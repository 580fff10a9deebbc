// Where the PC information page puts things, for each height the page takes.
#include <gtest/gtest.h>

#include <vector>

#include "ui/pc_info_layout.h"
#include "ui/rect_checks.h"

namespace brisko::ui {
namespace {

class PcInfoLayoutTest : public ::testing::TestWithParam<bool> {};

TEST_P(PcInfoLayoutTest, EachBoxStandsBesideItsRowAndNothingOverlaps) {
    // The page with and without the tab strip, at the design size and maximised.
    const bool tabs = GetParam();
    for (int width : {kDesignClientWidth, 1024}) {
        const MainLayout main = LayOutMainWindow(width, kDesignClientHeight, false, tabs);
        const PcInfoLayout l = LayOutPcInfoPage(main.pages);
        EXPECT_EQ(l.list.height, 10 * kPcInfoRowHeight) << "all ten rows show without scrolling";
        std::vector<Rect> all = {l.list, l.change, l.detail};
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(l.boxes[i].top, l.list.top + i * kPcInfoRowHeight);
            EXPECT_EQ(l.boxes[i].height, kPcInfoRowHeight);
            // Room for a processor name such as "Intel(R) Pentium(R) 4 CPU 3.00GHz".
            EXPECT_GE(l.boxes[i].width, 200);
            all.push_back(l.boxes[i]);
        }
        for (size_t a = 0; a < all.size(); ++a) {
            EXPECT_TRUE(Inside(all[a], main.pages)) << a;
            for (size_t b = a + 1; b < all.size(); ++b) EXPECT_FALSE(Overlap(all[a], all[b])) << a << " " << b;
        }
        EXPECT_LT(l.change.top, l.detail.top) << "change above detail";
    }
}

INSTANTIATE_TEST_SUITE_P(Tabs, PcInfoLayoutTest, ::testing::Bool());

}  // namespace
}  // namespace brisko::ui
