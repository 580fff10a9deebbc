// The options window's layout: every control inside the page and its group,
// none overlapping another of its page, none under the buttons.
#include <gtest/gtest.h>

#include <vector>

#include "ui/options_layout.h"
#include "ui/rect_checks.h"

namespace brisko::ui {
namespace {

void ExpectPage(const OptionsLayout& l, const std::vector<std::pair<Rect, Rect>>& controlsInGroups, const char* page) {
    std::vector<Rect> all;
    for (const auto& [control, group] : controlsInGroups) {
        EXPECT_GT(control.width, 0) << page;
        EXPECT_TRUE(Inside(control, group)) << page << ": control at " << control.left << "," << control.top;
        EXPECT_TRUE(Inside(group, l.page)) << page;
        EXPECT_FALSE(Overlap(control, l.apply) || Overlap(control, l.close)) << page << " at " << control.top;
        all.push_back(control);
    }
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(Overlap(all[i], all[j])) << page << ": controls " << i << " and " << j;
}

TEST(OptionsLayout, EveryPageFitsWithoutOverlaps) {
    const OptionsLayout l = LayOutOptionsWindow();
    EXPECT_EQ(l.page.bottom(), kOptionsClientHeight - 4);
    EXPECT_TRUE(Inside(l.apply, l.page) && Inside(l.close, l.page));

    std::vector<std::pair<Rect, Rect>> general = {{l.fontLabel, l.fontGroup}, {l.backupCheck, l.backupGroup}};
    for (const Rect& r : l.fontRadios) general.push_back({r, l.fontGroup});
    for (const Rect& r : l.messageChecks) general.push_back({r, l.messageGroup});
    for (int i = 0; i < 2; ++i)
        for (const Rect& r : {l.pathLabels[i], l.pathEdits[i], l.pathButtons[i]}) general.push_back({r, l.pathGroup});
    ExpectPage(l, general, "general");

    std::vector<std::pair<Rect, Rect>> disabling = {{l.disablingNote, l.page}};
    const int boxes[8] = {10, 10, 10, 10, 10, 1, 10, 3};
    for (int r = 0; r < 8; ++r) {
        disabling.push_back({l.rowLabels[r], l.disablingGroup});
        for (int b = 0; b < boxes[r]; ++b) disabling.push_back({l.rowBoxes[r][b], l.disablingGroup});
    }
    ExpectPage(l, disabling, "disabling");
    EXPECT_GE(l.rowBoxes[0][9].width, 34) << "room for the box and \"10\"";

    std::vector<std::pair<Rect, Rect>> version = {{l.productName, l.page}, {l.version, l.page}, {l.copyright, l.page},
                                                  {l.hidden, l.page}};
    for (int i = 0; i < 4; ++i) version.insert(version.end(), {{l.linkCaptions[i], l.page}, {l.links[i], l.page}});
    ExpectPage(l, version, "version");

    std::vector<std::pair<Rect, Rect>> customize = {{l.transparencyScroll, l.transparencyGroup},
                                                    {l.transparencyEdit, l.transparencyGroup},
                                                    {l.transparencyMin, l.transparencyGroup},
                                                    {l.transparencyMax, l.transparencyGroup},
                                                    {l.showTab, l.pageStyleGroup}};
    for (const Rect& r : l.styleRadios) customize.push_back({r, l.colourGroup});
    for (int i = 0; i < 6; ++i) customize.insert(customize.end(), {{l.swatches[i], l.colourGroup}, {l.swatchLabels[i], l.colourGroup}});
    for (const Rect& r : l.pageStyleRadios) customize.push_back({r, l.pageStyleGroup});
    ExpectPage(l, customize, "customize");
    EXPECT_FALSE(Overlap(l.colourGroup, l.pageStyleGroup) || Overlap(l.transparencyGroup, l.colourGroup));
}

}  // namespace
}  // namespace brisko::ui
