// Where the compact window puts things, in design pixels.
#include <gtest/gtest.h>

#include "ui/compact_layout.h"
#include "ui/rect_checks.h"

namespace brisko::ui {
namespace {

// A choice list's rectangle includes its drop-down; its closed field is ~21 high.
Rect Shown(const CompactControl& c) {
    Rect r = c.bounds;
    if (c.kind == CompactKind::ChoiceList) r.height = 21;
    return r;
}

// Width of a text in the 12-pixel UI font: 12 pixels a Japanese character
// (three UTF-8 bytes), 7 an ASCII one.
int TextWidth(std::string_view text) {
    int width = 0;
    for (size_t i = 0; i < text.size(); i += static_cast<unsigned char>(text[i]) < 0x80 ? 1 : 3)
        width += static_cast<unsigned char>(text[i]) < 0x80 ? 7 : 12;
    return width;
}

TEST(CompactLayout, CompactStripHoldsTheFirstFiveButtons) {
    int inStrip = 0;
    for (const CompactControl& c : CompactControls())
        if (c.kind == CompactKind::Button && Inside(c.bounds, {0, 0, kCompactStripWidth, kCompactStripHeight}))
            ++inStrip;
    EXPECT_EQ(inStrip, 5);
}

TEST(CompactLayout, EveryControlSitsInItsGroupWithoutOverlap) {
    const Rect client{0, 0, kPerformanceClientWidth, kPerformanceClientHeight};
    const auto& all = CompactControls();
    const Rect* group = nullptr;
    int groups = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        const CompactControl& c = all[i];
        EXPECT_TRUE(Inside(Shown(c), client)) << i;
        if (c.kind == CompactKind::Group) {
            group = &c.bounds;
            ++groups;
            continue;
        }
        if (c.kind == CompactKind::Button) continue;
        ASSERT_NE(group, nullptr);
        // Inside the frame, below the group's caption.
        EXPECT_TRUE(Inside(Shown(c), {group->left + 2, group->top + 12, group->width - 4, group->height - 14})) << i;
        for (size_t j = 0; j < i; ++j) {
            if (all[j].kind != CompactKind::Group) {
                EXPECT_FALSE(Overlap(Shown(c), Shown(all[j]))) << i << " " << j;
            }
        }
    }
    EXPECT_EQ(groups, 6);
    // Room for every caption, and for a value's "100 %", "###,### Kbps" or "12,345,678 MB".
    for (const CompactControl& c : all) {
        if (c.kind == CompactKind::Caption) {
            EXPECT_GE(c.bounds.width, TextWidth(c.text)) << c.text;
        }
        if (c.kind == CompactKind::Value) {
            EXPECT_GE(c.bounds.width, (c.text == "## %" ? 5 : 10) * 7) << c.id;
        }
    }
}

}  // namespace
}  // namespace brisko::ui
