// Where the save-and-restore window puts things, in design pixels.
#include <gtest/gtest.h>

#include "ui/restore_layout.h"
#include "ui/rect_checks.h"

namespace brisko::ui {
namespace {

TEST(RestoreLayout, PageControlsStandInThePanelAndLabelsEndBeforeTheNextControl) {
    const Rect panel{4, 24, 436, 76};
    const RestoreLayout l = LayOutRestoreWindow(panel);
    EXPECT_EQ(l.page.backupButton, (Rect{16, 50, 41, 41})) << "12, 26 inside the panel";
    for (const Rect& r : {l.page.heading, l.page.backupButton, l.page.backupLabel, l.page.restoreButton,
                          l.page.restoreLabel, l.page.picture})
        EXPECT_TRUE(Inside(r, panel));
    // The longest labels: "コンピュータの状態を保存する" (14 characters of 12 pixels), "メールルールを復元" (9).
    EXPECT_GE(l.page.backupLabel.width, 14 * 12);
    EXPECT_LE(l.page.backupLabel.right(), l.page.restoreButton.left);
    EXPECT_GE(l.page.restoreLabel.width, 9 * 12);
    EXPECT_LE(l.page.restoreLabel.right(), l.page.picture.left);
    EXPECT_EQ(l.comment.top, l.pages.bottom());
    EXPECT_LE(l.close.bottom(), kRestoreClientHeight);
    // The plan buttons share the close button's row, below the description, clear of each other.
    const Rect client{0, 0, kRestoreClientWidth, kRestoreClientHeight};
    for (const Rect& r : {l.planSave, l.planLoad}) {
        EXPECT_TRUE(Inside(r, client));
        EXPECT_GE(r.top, l.comment.bottom());
        EXPECT_FALSE(Overlap(r, l.close));
        EXPECT_GE(r.width, 7 * 12 + 40);  // "プランを読み込む" and its access key
    }
    EXPECT_FALSE(Overlap(l.planSave, l.planLoad));
}

}  // namespace
}  // namespace brisko::ui
