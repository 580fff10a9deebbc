#include "ui/main_layout.h"

#include <algorithm>

namespace brisko::ui {

namespace {
constexpr int kTitleHeight = 51, kSideWidth = 131, kToolPanelWidth = 94;
constexpr int kPageButtonWidth = 125, kPageButtonHeight = 36;
constexpr int kActionPanelHeight = 166, kGlueHeight = 42;
constexpr int kPagesWithTabs = 207, kPagesWithButtonTabs = 210, kPagesWithoutTabs = 190, kTabStrip = 17;
constexpr std::array<int, 8> kPageButtonTops = {3, 38, 73, 108, 143, 185, 227, 262};
constexpr std::array<int, 4> kActionButtonTops = {15, 50, 85, 127};
// Tool buttons inside their panel: left, top.
constexpr std::array<std::array<int, 2>, 7> kToolButtonPlaces = {
    {{24, 1}, {47, 1}, {70, 1}, {1, 25}, {24, 25}, {47, 25}, {70, 25}}};
}  // namespace

MainLayout LayOutMainWindow(int width, int height, bool smallScreen, bool showTabs, bool buttonTabs) {
    MainLayout l;
    const int titleHeight = kTitleHeight - (smallScreen ? 3 : 0);
    l.title = {0, 0, width, titleHeight};
    l.banner = {0, 0, 503, std::min(48, titleHeight)};
    l.toolPanel = {width - kToolPanelWidth, 0, kToolPanelWidth, titleHeight};
    for (size_t i = 0; i < l.toolButtons.size(); ++i)
        l.toolButtons[i] = {l.toolPanel.left + kToolButtonPlaces[i][0], kToolButtonPlaces[i][1], 23, 22};

    l.sideMenu = {0, titleHeight, kSideWidth, height - titleHeight};
    std::array<int, 8> tops = kPageButtonTops;
    if (smallScreen) {
        // No room for the services button: the two below it move up.
        l.serviceButtonVisible = false;
        tops[6] = tops[4] + kPageButtonHeight + 1;
        tops[7] = tops[6] + kPageButtonHeight - 1;
    }
    for (size_t i = 0; i < l.pageButtons.size(); ++i)
        l.pageButtons[i] = {3, l.sideMenu.top + tops[i], kPageButtonWidth, kPageButtonHeight};

    const int actionHeight = smallScreen ? kActionPanelHeight - (kActionButtonTops[0] - 6 + 11) : kActionPanelHeight;
    l.actionPanel = {0, l.sideMenu.bottom() - actionHeight, kSideWidth, actionHeight};
    l.actionBorder = {5, l.actionPanel.top + 6, 121, 3};
    l.actionBorderVisible = !smallScreen;
    std::array<int, 4> actionTops = kActionButtonTops;
    if (smallScreen) {
        actionTops[0] = 6 - 2;
        actionTops[1] = actionTops[0] + kPageButtonHeight - 1;
        actionTops[2] = actionTops[1] + kPageButtonHeight - 1;
        actionTops[3] = actionTops[2] + kPageButtonHeight + 1;
    }
    for (size_t i = 0; i < l.actionButtons.size(); ++i)
        l.actionButtons[i] = {3, l.actionPanel.top + actionTops[i], kPageButtonWidth, kPageButtonHeight};

    l.settings = {kSideWidth, titleHeight, width - kSideWidth, height - titleHeight};
    const int pagesHeight = !showTabs ? kPagesWithoutTabs : buttonTabs ? kPagesWithButtonTabs : kPagesWithTabs;
    l.tabs = {l.settings.left + 2, l.settings.top + 2, l.settings.width - 4, showTabs ? pagesHeight : 0};
    const int pagesTop = l.settings.top + 2 + (showTabs ? kTabStrip + 4 : 0);
    l.pages = {l.settings.left + 2, pagesTop, l.settings.width - 4, l.settings.top + 2 + pagesHeight - pagesTop};
    l.glue = {l.settings.left, l.settings.top + 2 + pagesHeight, l.settings.width, kGlueHeight};
    l.count = {l.glue.left + 6, l.glue.top + 6, 200, 16};
    l.moreInfo = {l.glue.left + 210, l.glue.top + 3, 24, 24};
    l.accelerate = {l.glue.left + 240, l.glue.top + 3, 110, 24};
    l.about = {l.glue.right() - 100, l.glue.top + 2, 96, 28};
    l.commentLabel = {l.glue.left + 6, l.glue.bottom() - 14, 80, 14};
    l.comment = {l.settings.left + 4, l.glue.bottom(), l.settings.width - 8,
                 std::max(0, l.settings.bottom() - l.glue.bottom() - 4)};
    return l;
}

}  // namespace brisko::ui
