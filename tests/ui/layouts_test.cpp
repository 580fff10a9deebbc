// The windows' layouts: every part inside its area, none overlapping another,
// room for the longest Japanese texts, for each size a window takes.
#include <gtest/gtest.h>

#include "ui/change_preview_layout.h"
#include "ui/compact_layout.h"
#include "ui/options_layout.h"
#include "ui/pc_info_layout.h"
#include "ui/rect_checks.h"
#include "ui/restore_layout.h"
#include "ui/utility_layout.h"

namespace brisko::ui {
namespace {

struct MainCase {
    int width, height;
    bool smallScreen, tabs, buttonTabs;
};

TEST(Layouts, MainWindowFitsAtEverySizeAndTabStyle) {
    const MainCase cases[] = {{597, 515, false, false, false},
                              {597, 515, false, true, false},
                              {597, 515, false, true, true},
                              {597, 474, true, false, false},
                              {1024, 700, false, true, false}};
    for (const MainCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.width << "x" << c.height << " small " << c.smallScreen << " tabs " << c.tabs << c.buttonTabs);
        const MainLayout l = LayOutMainWindow(c.width, c.height, c.smallScreen, c.tabs, c.buttonTabs);
        ExpectFitted({0, 0, c.width, c.height}, {l.title, l.sideMenu, l.settings}, "window");
        ExpectFitted(l.title, {l.banner, l.toolPanel}, "title");
        ExpectFitted(l.toolPanel, {l.toolButtons.begin(), l.toolButtons.end()}, "tool buttons");
        std::vector<Rect> side = {l.actionPanel};
        for (size_t i = 0; i < l.pageButtons.size(); ++i)
            if (i != 5 || l.serviceButtonVisible) side.push_back(l.pageButtons[i]);
        ExpectFitted(l.sideMenu, side, "side menu");
        ExpectFitted(l.actionPanel, {l.actionButtons.begin(), l.actionButtons.end()}, "action buttons");
        ExpectFitted(l.settings, {l.pages, l.glue, l.comment}, "settings");
        ExpectFitted(l.glue, {l.count, l.moreInfo, l.accelerate, l.about, l.commentLabel}, "glue");
        EXPECT_EQ(l.serviceButtonVisible, !c.smallScreen);
        EXPECT_GE(l.pages.height, 186) << "room for ten list lines";
    }
    const MainLayout tiny = LayOutMainWindow(100, 54, false, false);
    EXPECT_GE(tiny.comment.height, 0);
    EXPECT_GE(tiny.pages.height, 0);
}

TEST(Layouts, UtilityPageFitsAndKeepsToTheRightEdgeOfAWiderPage) {
    const Rect design = LayOutMainWindow(kDesignClientWidth, kDesignClientHeight, false, false).pages;
    const Rect wide = LayOutMainWindow(kDesignClientWidth + 200, kDesignClientHeight + 100, false, true).pages;
    const UtilityLayout a = LayOutUtilityPage(design), b = LayOutUtilityPage(wide);
    for (const auto& [page, l] : {std::pair{design, a}, std::pair{wide, b}}) {
        std::vector<Rect> parts(l.buttons.begin(), l.buttons.end());
        parts.insert(parts.end(), {l.quickFormat, l.defragDrives, l.convertDrives});
        ExpectFitted(page, parts, "utilities");
    }
    for (size_t i = 0; i < a.buttons.size(); ++i) {
        EXPECT_EQ(wide.right() - b.buttons[i].left, design.right() - a.buttons[i].left) << i;
        EXPECT_EQ(b.buttons[i].top - wide.top, a.buttons[i].top - design.top) << i;
    }
    EXPECT_EQ(wide.right() - b.convertDrives.left, design.right() - a.convertDrives.left);
}

TEST(Layouts, RestoreWindowFitsItsLongestLabels) {
    const Rect panel{4, 24, 436, 76};
    const RestoreLayout l = LayOutRestoreWindow(panel);
    const RestorePageLayout& p = l.page;
    ExpectFitted(panel, {p.heading, p.backupButton, p.backupLabel, p.restoreButton, p.restoreLabel, p.picture}, "page");
    ExpectFitted({0, 0, kRestoreClientWidth, kRestoreClientHeight},
                 {l.pages, l.comment, l.close, l.planSave, l.planLoad}, "window");
    // "コンピュータの状態を保存する" (14 characters of 12 pixels), "メールルールを復元" (9),
    // "プランを読み込む" (7) and its access key.
    EXPECT_GE(p.backupLabel.width, 14 * 12);
    EXPECT_GE(p.restoreLabel.width, 9 * 12);
    for (const Rect& r : {l.planSave, l.planLoad}) EXPECT_GE(r.width, 7 * 12 + 40);
}

TEST(Layouts, PcInfoBoxesStandBesideTheirRowsWithAndWithoutTabs) {
    for (bool tabs : {false, true}) {
        for (int width : {kDesignClientWidth, 1024}) {
            const Rect page = LayOutMainWindow(width, kDesignClientHeight, false, tabs).pages;
            const PcInfoLayout l = LayOutPcInfoPage(page);
            EXPECT_EQ(l.list.height, 10 * kPcInfoRowHeight) << "all ten rows show without scrolling";
            std::vector<Rect> all = {l.list, l.change, l.detail};
            for (int i = 0; i < 10; ++i) {
                EXPECT_EQ(l.boxes[i].top, l.list.top + i * kPcInfoRowHeight);
                EXPECT_EQ(l.boxes[i].height, kPcInfoRowHeight);
                // Room for a processor name such as "Intel(R) Pentium(R) 4 CPU 3.00GHz".
                EXPECT_GE(l.boxes[i].width, 200);
                all.push_back(l.boxes[i]);
            }
            ExpectFitted(page, all, "PC information, width " + std::to_string(width));
        }
    }
}

// Width of a text in the 12-pixel UI font: 12 pixels a Japanese character
// (three UTF-8 bytes), 7 an ASCII one.
int TextWidth(std::string_view text) {
    int width = 0;
    for (size_t i = 0; i < text.size(); i += static_cast<unsigned char>(text[i]) < 0x80 ? 1 : 3)
        width += static_cast<unsigned char>(text[i]) < 0x80 ? 7 : 12;
    return width;
}

TEST(Layouts, CompactWindowGroupsHoldTheirControlsWithRoomForTheirTexts) {
    const Rect client{0, 0, kPerformanceClientWidth, kPerformanceClientHeight};
    std::vector<Rect> frames, inStrip;
    std::vector<std::vector<Rect>> groups;
    for (const CompactControl& c : CompactControls()) {
        // A choice list's rectangle includes its drop-down; its closed field is ~21 high.
        const Rect r =
            c.kind == CompactKind::ChoiceList ? Rect{c.bounds.left, c.bounds.top, c.bounds.width, 21} : c.bounds;
        EXPECT_TRUE(Inside(r, client)) << c.id << " " << c.text;
        if (c.kind == CompactKind::Group) {
            frames.push_back(r);
            groups.emplace_back();
        } else if (c.kind == CompactKind::Button) {
            if (Inside(r, {0, 0, kCompactStripWidth, kCompactStripHeight})) inStrip.push_back(r);
        } else {
            ASSERT_FALSE(groups.empty());
            groups.back().push_back(r);
        }
        // Room for every caption, and for a value's "100 %", "###,### Kbps" or "12,345,678 MB".
        if (c.kind == CompactKind::Caption) EXPECT_GE(c.bounds.width, TextWidth(c.text)) << c.text;
        if (c.kind == CompactKind::Value) EXPECT_GE(c.bounds.width, (c.text == "## %" ? 5 : 10) * 7) << c.id;
    }
    EXPECT_EQ(inStrip.size(), 5u) << "the strip holds the first five buttons";
    ASSERT_EQ(frames.size(), 6u);
    ExpectFitted(client, frames, "groups");
    for (size_t g = 0; g < frames.size(); ++g) {
        // Inside the frame, below the group's caption.
        const Rect& f = frames[g];
        ExpectFitted({f.left + 2, f.top + 12, f.width - 4, f.height - 14}, groups[g], "group " + std::to_string(g));
    }
}

TEST(Layouts, OptionsPagesHoldTheirControlsInTheirGroups) {
    const OptionsLayout l = LayOutOptionsWindow();
    EXPECT_EQ(l.page.bottom(), kOptionsClientHeight - 4);
    std::vector<Rect> paths;
    for (int i = 0; i < 2; ++i) paths.insert(paths.end(), {l.pathLabels[i], l.pathEdits[i], l.pathButtons[i]});
    std::vector<Rect> rows;
    const int boxes[8] = {10, 10, 10, 10, 10, 1, 10, 3};
    for (int r = 0; r < 8; ++r) {
        rows.push_back(l.rowLabels[r]);
        rows.insert(rows.end(), l.rowBoxes[r].begin(), l.rowBoxes[r].begin() + boxes[r]);
    }
    EXPECT_GE(l.rowBoxes[0][9].width, 34) << "room for the box and \"10\"";
    std::vector<Rect> version = {l.productName, l.version, l.copyright, l.hidden, l.apply, l.close};
    version.insert(version.end(), l.linkCaptions.begin(), l.linkCaptions.end());
    version.insert(version.end(), l.links.begin(), l.links.end());
    std::vector<Rect> colours(l.styleRadios.begin(), l.styleRadios.end());
    colours.insert(colours.end(), l.swatches.begin(), l.swatches.end());
    colours.insert(colours.end(), l.swatchLabels.begin(), l.swatchLabels.end());
    std::vector<Rect> pageStyles(l.pageStyleRadios.begin(), l.pageStyleRadios.end());
    pageStyles.push_back(l.showTab);
    std::vector<Rect> font(l.fontRadios.begin(), l.fontRadios.end());
    font.push_back(l.fontLabel);

    // Each page: its groups and the buttons clear of each other, each group's controls inside it.
    ExpectFitted(l.page, {l.fontGroup, l.messageGroup, l.backupGroup, l.pathGroup, l.apply, l.close}, "general");
    ExpectFitted(l.fontGroup, font, "font");
    ExpectFitted(l.messageGroup, {l.messageChecks.begin(), l.messageChecks.end()}, "messages");
    ExpectFitted(l.backupGroup, {l.backupCheck}, "backup");
    ExpectFitted(l.pathGroup, paths, "paths");
    ExpectFitted(l.page, {l.disablingNote, l.disablingGroup, l.apply, l.close}, "disabling");
    ExpectFitted(l.disablingGroup, rows, "disabling rows");
    ExpectFitted(l.page, version, "version");
    ExpectFitted(l.page, {l.transparencyGroup, l.colourGroup, l.pageStyleGroup, l.apply, l.close}, "customize");
    ExpectFitted(l.transparencyGroup, {l.transparencyScroll, l.transparencyEdit, l.transparencyMin, l.transparencyMax},
                 "transparency");
    ExpectFitted(l.colourGroup, colours, "colours");
    ExpectFitted(l.pageStyleGroup, pageStyles, "page styles");
}

TEST(Layouts, ChangePreviewFitsShortAndLongQuestions) {
    for (int lines : {0, 2, 5}) {
        const ChangePreviewLayout l = LayOutChangePreview(lines);
        ExpectFitted({0, 0, kPreviewClientWidth, kPreviewClientHeight}, {l.heading, l.list, l.question, l.yes, l.no},
                     std::to_string(lines) + " lines");
        EXPECT_GE(l.question.height, std::max(lines, 1) * kPreviewLineHeight);
        EXPECT_GE(l.list.height, 10 * kPreviewLineHeight) << "room for ten changes";
        EXPECT_LT(l.yes.left, l.no.left) << "はい before いいえ";
    }
}

TEST(Layouts, ChangeListTextGroupsEachItemsChanges) {
    EXPECT_EQ(ChangeListText({{"[A] 1", "HKEY_CURRENT_USER\\k\\v", "(なし)", "1"},
                              {"[A] 1", "実行: net stop \"x\"", "", ""},
                              {"[B] 2", "C:\\boot.ini (行 2)", "timeout=30", "timeout=5"}}),
              "■ [A] 1\r\n　HKEY_CURRENT_USER\\k\\v\r\n　　現在: (なし)　→　変更後: 1\r\n　実行: net stop \"x\"\r\n"
              "\r\n■ [B] 2\r\n　C:\\boot.ini (行 2)\r\n　　現在: timeout=30　→　変更後: timeout=5\r\n");
}

}  // namespace
}  // namespace brisko::ui
