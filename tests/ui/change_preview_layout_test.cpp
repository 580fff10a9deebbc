// Where the change list window puts things, in design pixels.
#include <gtest/gtest.h>

#include "ui/change_preview_layout.h"
#include "ui/rect_checks.h"

namespace brisko::ui {
namespace {

TEST(ChangePreviewLayout, EverythingFitsWithoutOverlapForShortAndLongQuestions) {
    const Rect client{0, 0, kPreviewClientWidth, kPreviewClientHeight};
    for (int lines : {0, 2, 5}) {
        const ChangePreviewLayout l = LayOutChangePreview(lines);
        const Rect all[] = {l.heading, l.list, l.question, l.yes, l.no};
        for (size_t i = 0; i < std::size(all); ++i) {
            EXPECT_TRUE(Inside(all[i], client)) << lines << " lines, part " << i;
            for (size_t j = i + 1; j < std::size(all); ++j) EXPECT_FALSE(Overlap(all[i], all[j])) << i << " " << j;
        }
        EXPECT_GE(l.question.height, std::max(lines, 1) * kPreviewLineHeight);
        EXPECT_GE(l.list.height, 10 * kPreviewLineHeight) << "room for ten changes";
        EXPECT_LT(l.yes.left, l.no.left) << "はい before いいえ";
    }
}

TEST(ChangePreviewLayout, ListTextGroupsEachItemsChanges) {
    EXPECT_EQ(ChangeListText({{"[A] 1", "HKEY_CURRENT_USER\\k\\v", "(なし)", "1"},
                              {"[A] 1", "実行: net stop \"x\"", "", ""},
                              {"[B] 2", "C:\\boot.ini (行 2)", "timeout=30", "timeout=5"}}),
              "■ [A] 1\r\n　HKEY_CURRENT_USER\\k\\v\r\n　　現在: (なし)　→　変更後: 1\r\n　実行: net stop \"x\"\r\n"
              "\r\n■ [B] 2\r\n　C:\\boot.ini (行 2)\r\n　　現在: timeout=30　→　変更後: timeout=5\r\n");
}

}  // namespace
}  // namespace brisko::ui
