// Where the save-and-restore window puts things, in design pixels.
#include <gtest/gtest.h>

#include "ui/restore_layout.h"

namespace brisko::ui {
namespace {

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}
bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

TEST(RestoreLayout, PageControlsStandInThePanelWithoutOverlapping) {
    const Rect panel{4, 24, 436, 76};
    const RestoreLayout l = LayOutRestoreWindow(panel);
    EXPECT_EQ(l.page.backupButton, (Rect{16, 50, 41, 41})) << "12, 26 inside the panel";
    EXPECT_EQ(l.page.picture, (Rect{404, 27, 32, 32}));
    const Rect parts[] = {l.page.heading,      l.page.backupButton, l.page.backupLabel,
                          l.page.restoreButton, l.page.restoreLabel, l.page.picture};
    for (size_t i = 0; i < std::size(parts); ++i) {
        EXPECT_TRUE(Inside(parts[i], panel)) << i;
        for (size_t j = i + 1; j < std::size(parts); ++j) EXPECT_FALSE(Overlap(parts[i], parts[j])) << i << ", " << j;
    }
    // The longest label, "コンピュータの状態を保存する", is 14 characters of 12 pixels.
    EXPECT_GE(l.page.backupLabel.width, 14 * 12);
    EXPECT_GE(l.page.restoreLabel.width, 9 * 12) << "メールルールを復元";
}

TEST(RestoreLayout, DescriptionAndCloseButtonFillTheRestOfTheWindow) {
    const RestoreLayout l = LayOutRestoreWindow({4, 24, 436, 76});
    EXPECT_EQ(l.comment.top, l.pages.bottom());
    EXPECT_EQ(l.comment.width, kRestoreClientWidth);
    EXPECT_GT(l.close.top, l.comment.bottom());
    EXPECT_LE(l.close.bottom(), kRestoreClientHeight);
    EXPECT_LE(l.close.right(), kRestoreClientWidth);
}

}  // namespace
}  // namespace brisko::ui
