// Where the main window puts things, in design pixels.
#include <gtest/gtest.h>

#include "ui/main_layout.h"

namespace brisko::ui {
namespace {

TEST(MainLayout, DesignSizeKeepsTheDesignPlaces) {
    const MainLayout l = LayOutMainWindow(kDesignClientWidth, kDesignClientHeight, false, false);
    EXPECT_EQ(l.title, (Rect{0, 0, 597, 51}));
    EXPECT_EQ(l.toolPanel, (Rect{503, 0, 94, 51}));
    EXPECT_EQ(l.toolButtons[0], (Rect{527, 1, 23, 22})) << "the minimise button at 24, 1 of its panel";
    EXPECT_EQ(l.toolButtons[3], (Rect{504, 25, 23, 22})) << "the always-on-top button at 1, 25";
    EXPECT_EQ(l.pageButtons[5], (Rect{3, 51 + 185, 125, 36})) << "services";
    EXPECT_TRUE(l.serviceButtonVisible);
    EXPECT_EQ(l.actionPanel, (Rect{0, 515 - 166, 131, 166}));
    EXPECT_EQ(l.actionButtons[3].top - l.actionPanel.top, 127);
    EXPECT_EQ(l.glue.top - l.settings.top, 2 + 190) << "without tabs the pages are 190 high";
    EXPECT_EQ(l.comment.bottom(), 515 - 4);
    EXPECT_EQ(LayOutMainWindow(597, 515, false, true).glue.top - l.settings.top, 2 + 207) << "with tabs, 207";
    EXPECT_EQ(LayOutMainWindow(597, 515, false, true, true).glue.top - l.settings.top, 2 + 210) << "button tabs, 210";
    EXPECT_EQ(LayOutMainWindow(597, 515, false, false, true).glue.top - l.settings.top, 2 + 190);
}

TEST(MainLayout, SmallScreensLoseTheServicesButtonAndMoveTheRestUp) {
    const MainLayout l = LayOutMainWindow(597, 474, true, false);
    EXPECT_EQ(l.title.height, 48);
    EXPECT_FALSE(l.serviceButtonVisible);
    EXPECT_EQ(l.pageButtons[6].top - l.sideMenu.top, 180);
    EXPECT_EQ(l.pageButtons[7].top - l.sideMenu.top, 215);
    EXPECT_EQ(l.actionPanel.height, 146);
    EXPECT_FALSE(l.actionBorderVisible);
    const int tops[4] = {4, 39, 74, 111};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(l.actionButtons[i].top - l.actionPanel.top, tops[i]) << i;
}

TEST(MainLayout, NothingGoesNegativeInATinyWindow) {
    const MainLayout l = LayOutMainWindow(100, 54, false, false);
    EXPECT_GE(l.comment.height, 0);
    EXPECT_GE(l.pages.height, 0);
}

}  // namespace
}  // namespace brisko::ui
