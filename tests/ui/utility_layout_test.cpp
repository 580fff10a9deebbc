// Where the utilities page puts its buttons, box and drive lists.
#include <gtest/gtest.h>

#include "ui/utility_layout.h"

namespace brisko::ui {
namespace {

TEST(UtilityLayout, DesignSizeKeepsTheDesignPlacesInsideThePage) {
    const Rect page = LayOutMainWindow(kDesignClientWidth, kDesignClientHeight, false, false).pages;
    ASSERT_EQ(page.width, kUtilityDesignPageWidth);
    const UtilityLayout l = LayOutUtilityPage(page);
    EXPECT_EQ(l.buttons[0], (Rect{page.left + 351, page.top, 54, 37})) << "① top left";
    EXPECT_EQ(l.buttons[1], (Rect{page.left + 404, page.top, 54, 37})) << "② top right";
    EXPECT_EQ(l.buttons[9], (Rect{page.left + 404, page.top + 144, 54, 37})) << "⑩ bottom right";
    EXPECT_EQ(l.quickFormat, (Rect{page.left + 275, page.top + 126, 76, 18}));
    EXPECT_EQ(l.defragDrives, (Rect{page.left + 275, page.top + 144, 76, 18}));
    EXPECT_EQ(l.convertDrives, (Rect{page.left + 275, page.top + 162, 76, 18}));
    for (const Rect& r : l.buttons) {
        EXPECT_LE(r.right(), page.right());
        EXPECT_LE(r.bottom(), page.bottom()) << "the lowest row fits the page without tabs";
    }
    EXPECT_LE(l.quickFormat.right(), l.buttons[8].left) << "the box and lists stand left of the buttons";
}

TEST(UtilityLayout, AWiderPageKeepsEverythingAtTheRightEdge) {
    const Rect design = LayOutMainWindow(kDesignClientWidth, kDesignClientHeight, false, false).pages;
    const Rect wide = LayOutMainWindow(kDesignClientWidth + 200, kDesignClientHeight + 100, false, true).pages;
    const UtilityLayout a = LayOutUtilityPage(design), b = LayOutUtilityPage(wide);
    for (size_t i = 0; i < a.buttons.size(); ++i) {
        EXPECT_EQ(wide.right() - b.buttons[i].left, design.right() - a.buttons[i].left);
        EXPECT_EQ(b.buttons[i].top - wide.top, a.buttons[i].top - design.top);
    }
    EXPECT_EQ(wide.right() - b.convertDrives.left, design.right() - a.convertDrives.left);
}

}  // namespace
}  // namespace brisko::ui
