// The windows' layouts: every part inside its area, none overlapping another,
// room for the longest Japanese texts, for each size a window takes, as
// placed on screens of 96, 120, 144 and 192 DPI.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <type_traits>
#include <vector>

#include "ui/change_preview_layout.h"
#include "ui/compact_layout.h"
#include "ui/effect_chart_layout.h"
#include "ui/options_layout.h"
#include "ui/pc_info_layout.h"
#include "ui/restore_layout.h"
#include "ui/scale.h"
#include "ui/utility_layout.h"

namespace brisko::ui {
namespace {

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}
bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

class Layouts : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Dpi, Layouts, ::testing::Values(96, 120, 144, 192));

// Every part, placed at the DPI, stands inside the area (design pixels, or
// device ones when deviceArea) and no two parts overlap; a part is a Rect or
// a range of them. Neighbouring buttons share their one-pixel border, so a
// part's last design row and column may lie on its neighbour or the area's edge.
template <typename... Parts>
void ExpectFittedAt(int dpi, bool deviceArea, const std::string& what, Rect area, const Parts&... parts) {
    std::vector<Rect> all;
    auto add = [&](const auto& part) {
        if constexpr (std::is_same_v<std::decay_t<decltype(part)>, Rect>)
            all.push_back(ToDevice(part, dpi));
        else
            for (const Rect& r : part) all.push_back(ToDevice(r, dpi));
    };
    (add(parts), ...);
    if (!deviceArea) area = ToDevice(area, dpi);
    const int border = (dpi + 95) / 96;  // the shared design pixel, as wide as it comes out at the DPI
    auto body = [&](const Rect& r) { return Rect{r.left, r.top, r.width - border, r.height - border}; };
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_TRUE(Inside(body(all[i]), area)) << what << ": part " << i;
        for (size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(Overlap(body(all[i]), body(all[j]))) << what << ": parts " << i << " and " << j;
    }
}

#define ExpectFitted(...) ExpectFittedAt(dpi, false, __VA_ARGS__)

// Width of a text in the 12-pixel UI font, 12 design pixels a Japanese
// character (three UTF-8 bytes) and 7 an ASCII one, at the DPI: the font
// grows with the DPI, its characters on average in proportion.
int TextWidth(std::string_view text, int dpi) {
    int width = 0;
    for (size_t i = 0; i < text.size(); i += static_cast<unsigned char>(text[i]) < 0x80 ? 1 : 3)
        width += static_cast<unsigned char>(text[i]) < 0x80 ? 7 : 12;
    return ToDevice(width, dpi);
}

struct MainCase {
    int width, height;
    bool smallScreen, tabs, buttonTabs;
};

TEST_P(Layouts, MainWindowAndItsPagesFitAtEverySizeAndTabStyle) {
    const int dpi = GetParam();
    const MainCase cases[] = {{597, 515, false, false, false},
                              {597, 515, false, true, false},
                              {597, 515, false, true, true},
                              {597, 474, true, false, false},
                              {1024, 700, false, true, false}};
    for (const MainCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.width << "x" << c.height << " small " << c.smallScreen << " tabs " << c.tabs << c.buttonTabs);
        // The window's client area is in device pixels.
        const int width = ToDevice(c.width, dpi), height = ToDevice(c.height, dpi);
        const MainLayout l = LayOutMainWindowAt(dpi, width, height, c.smallScreen, c.tabs, c.buttonTabs);
        ExpectFittedAt(dpi, true, "window", {0, 0, width, height}, l.title, l.sideMenu, l.settings);
        ExpectFitted("title", l.title, l.banner, l.toolPanel);
        ExpectFitted("tool buttons", l.toolPanel, l.toolButtons);
        std::vector<Rect> pageButtons(l.pageButtons.begin(), l.pageButtons.end());
        if (!l.serviceButtonVisible) pageButtons.erase(pageButtons.begin() + 5);
        ExpectFitted("side menu", l.sideMenu, l.actionPanel, pageButtons);
        ExpectFitted("action buttons", l.actionPanel, l.actionButtons);
        // The pictures drawn for the DPI, and beside the side menu's the longest caption.
        const int glyph = PictureSize(16, dpi), menuPicture = PictureSize(24, dpi);
        for (const Rect& b : l.toolButtons) EXPECT_GE(ToDevice(b, dpi).height, glyph + 2);
        for (const Rect& b : l.pageButtons)
            EXPECT_GE(ToDevice(b, dpi).width, menuPicture * 3 / 2 + TextWidth("エクスプローラ", dpi));
        ExpectFitted("settings", l.settings, l.pages, l.glue, l.comment);
        ExpectFitted("glue", l.glue, l.count, l.moreInfo, l.accelerate, l.about, l.commentLabel);
        EXPECT_EQ(l.serviceButtonVisible, !c.smallScreen);
        EXPECT_GE(l.pages.height, 186) << "room for ten list lines";
        // The pages with controls of their own; all ten PC information rows show without scrolling.
        const UtilityLayout u = LayOutUtilityPage(l.pages);
        ExpectFitted("utilities", l.pages, u.buttons, u.quickFormat, u.defragDrives, u.convertDrives);
        const PcInfoLayout p = LayOutPcInfoPage(l.pages);
        ExpectFitted("PC information", l.pages, p.list, p.change, p.detail, p.boxes);
        EXPECT_EQ(p.list.height, 10 * kPcInfoRowHeight);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(p.boxes[i].top, p.list.top + i * kPcInfoRowHeight) << "box beside its row";
            EXPECT_GE(p.boxes[i].width, 200) << "room for \"Intel(R) Pentium(R) 4 CPU 3.00GHz\"";
        }
    }
    EXPECT_EQ(IsSmallScreen(1024, dpi), dpi > 144) << "a 1280 x 1024 screen holds the full window up to 144 DPI";
    const MainLayout tiny = LayOutMainWindowAt(dpi, ToDevice(100, dpi), ToDevice(54, dpi), false, false, false);
    EXPECT_GE(tiny.comment.height, 0);
    EXPECT_GE(tiny.pages.height, 0);
}

TEST_P(Layouts, RestoreWindowFits) {
    const int dpi = GetParam();
    const Rect panel{4, 24, 436, 76};
    const RestoreLayout l = LayOutRestoreWindow(panel);
    const RestorePageLayout& p = l.page;
    ExpectFitted("page", panel, p.heading, p.backupButton, p.backupLabel, p.restoreButton, p.restoreLabel, p.picture);
    ExpectFitted("history", panel, l.history.heading, l.history.list, l.history.restoreButton);
    ExpectFitted("window", {0, 0, kRestoreClientWidth, kRestoreClientHeight}, l.pages, l.comment, l.close, l.planSave,
                 l.planLoad);
    ExpectFitted("effect page", {0, 0, kRestoreClientWidth, kRestoreClientHeight}, l.effect, l.close, l.planSave,
                 l.planLoad);
}

TEST_P(Layouts, CompactWindowGroupsHoldTheirControlsWithRoomForTheirTexts) {
    const int dpi = GetParam();
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
            EXPECT_GE(ToDevice(r, dpi).height, PictureSize(16, dpi) + 2) << "room for the picture of " << c.id;
        } else {
            ASSERT_FALSE(groups.empty());
            groups.back().push_back(r);
        }
        // Room for every caption, and for a value's "100 %", "###,### Kbps" or "12,345,678 MB".
        const int width = ToDevice(c.bounds, dpi).width;
        if (c.kind == CompactKind::Caption) { EXPECT_GE(width, TextWidth(c.text, dpi)) << c.text; }
        if (c.kind == CompactKind::Value) { EXPECT_GE(width, TextWidth(c.text == "## %" ? "100 %" : "###,### Kb", dpi)) << c.id; }
    }
    EXPECT_EQ(inStrip.size(), 5u) << "the strip holds the first five buttons";
    ASSERT_EQ(frames.size(), 6u);
    ExpectFitted("groups", client, frames);
    for (size_t g = 0; g < frames.size(); ++g) {
        // Inside the frame, below the group's caption.
        const Rect& f = frames[g];
        ExpectFitted("group " + std::to_string(g), {f.left + 2, f.top + 12, f.width - 4, f.height - 14}, groups[g]);
    }
}

// A radio button holds its circle (13 pixels and a 4-pixel gap) and its
// caption, so the caption ends before the next control begins.
template <size_t N>
void ExpectRoomForCaptions(int dpi, const std::array<Rect, N>& radios, const std::array<const char*, N>& captions) {
    for (size_t i = 0; i < N; ++i)
        // Scaled edge by edge, a box may come out one pixel narrower than its scaled width.
        EXPECT_GE(ToDevice(radios[i], dpi).width + 1, ToDevice(17 + TextWidth(captions[i], 96), dpi)) << captions[i];
}

TEST_P(Layouts, OptionsPagesHoldTheirControlsInTheirGroups) {
    const int dpi = GetParam();
    const OptionsLayout l = LayOutOptionsWindow();
    ExpectRoomForCaptions(dpi, l.fontRadios, kFontSizeCaptions);
    ExpectRoomForCaptions(dpi, l.styleRadios, kColourStyleCaptions);
    ExpectRoomForCaptions(dpi, l.pageStyleRadios, kPageStyleCaptions);
    EXPECT_EQ(l.page.bottom(), kOptionsClientHeight - 4);
    std::vector<Rect> rows;
    const int boxes[8] = {10, 10, 10, 10, 10, 1, 10, 3};
    for (int r = 0; r < 8; ++r) {
        rows.push_back(l.rowLabels[r]);
        rows.insert(rows.end(), l.rowBoxes[r].begin(), l.rowBoxes[r].begin() + boxes[r]);
    }
    EXPECT_GE(ToDevice(l.rowBoxes[0][9], dpi).width, ToDevice(13 + 3, dpi) + TextWidth("10", dpi))
        << "room for the box and \"10\"";
    // Each page: its groups and the buttons clear of each other, each group's controls inside it.
    ExpectFitted("general", l.page, l.fontGroup, l.messageGroup, l.backupGroup, l.pathGroup, l.apply, l.close);
    ExpectFitted("font", l.fontGroup, l.fontLabel, l.fontRadios);
    ExpectFitted("messages", l.messageGroup, l.messageChecks);
    ExpectFitted("backup", l.backupGroup, l.backupCheck, l.restorePointCheck);
    ExpectFitted("paths", l.pathGroup, l.pathLabels, l.pathEdits, l.pathButtons);
    ExpectFitted("disabling", l.page, l.disablingNote, l.disablingGroup, l.apply, l.close);
    ExpectFitted("disabling rows", l.disablingGroup, rows);
    ExpectFitted("version", l.page, l.productName, l.version, l.copyright, l.hidden, l.linkCaptions, l.links, l.apply,
                 l.close);
    ExpectFitted("customize", l.page, l.transparencyGroup, l.colourGroup, l.pageStyleGroup, l.apply, l.close);
    ExpectFitted("transparency", l.transparencyGroup, l.transparencyScroll, l.transparencyEdit, l.transparencyMin,
                 l.transparencyMax);
    ExpectFitted("colours", l.colourGroup, l.styleRadios, l.swatches, l.swatchLabels);
    ExpectFitted("page styles", l.pageStyleGroup, l.pageStyleRadios, l.showTab);
}

TEST_P(Layouts, ChangePreviewFitsShortAndLongQuestions) {
    const int dpi = GetParam();
    for (int lines : {0, 2, 5}) {
        const ChangePreviewLayout l = LayOutChangePreview(lines);
        ExpectFitted(std::to_string(lines) + " lines", {0, 0, kPreviewClientWidth, kPreviewClientHeight}, l.heading,
                     l.list, l.question, l.yes, l.no);
        EXPECT_GE(l.question.height, std::max(lines, 1) * kPreviewLineHeight);
        EXPECT_GE(l.list.height, 10 * kPreviewLineHeight) << "room for ten changes";
        EXPECT_LT(l.yes.left, l.no.left) << "はい before いいえ";
    }
}

// The 効果 page's chart over a month of daily starts and over 300, with
// changes at the first start, between starts and after the last, in the
// area of the window's pages and description: every bar and marker inside
// the plot, every label whole, inside the chart and clear of the others,
// the table below the chart.
TEST_P(Layouts, EffectChartKeepsMarkersInThePlotAndLabelsWhole) {
    const int dpi = GetParam();
    const TextWidthOf width = [dpi](std::string_view text) { return TextWidth(text, dpi); };
    for (int count : {30, 300}) {
        SCOPED_TRACE(count);
        EffectReading reading{true, "", {}, 0, ""};
        std::vector<HistoryRecord> history;
        for (int i = 0; i < count; ++i) {
            DiagnosticEvent start;
            start.id = kStartEvent;
            start.time = ShiftedTime({2026, 1, 1, 8, 0, 0}, i * 1440);
            start.mainPathMs = 20000 + i % 7 * 3000;
            start.postBootMs = 9000 + i % 5 * 2000;
            reading.events.push_back(start);
            DiagnosticEvent shutdown = start;
            shutdown.id = kShutdownEvent;
            shutdown.time = ShiftedTime(start.time, -60);
            shutdown.shutdownMs = 95000;  // the tallest mark, above every start
            reading.events.push_back(shutdown);
        }
        for (int day : {-1, 0, 1, count / 2, count / 2, count + 1})
            history.push_back({TimeStamp(ShiftedTime({2026, 1, 1, 12, 0, 0}, day * 1440)), "高速化", "", "", "",
                               {{"[システム] 項目", {{"v", "0", "1", ""}}, ""}}, "", "", HistoryRecord::Stage::Whole, ""});
        const EffectFigures f = ComputeEffect(reading, history, {});
        const Rect area = LayOutRestoreWindow({4, 24, 436, 76}).effect;
        const EffectChartLayout l = LayOutEffectChart(f, area, dpi, width, ToDevice(14, dpi));
        EXPECT_TRUE(Inside(l.plot, l.chart));
        EXPECT_TRUE(Inside(l.table, ToDevice(area, dpi)));
        EXPECT_GE(l.table.top, l.chart.bottom());
        EXPECT_GE(l.table.height, ToDevice(80, dpi)) << "room for the table";
        EXPECT_GE(l.topSeconds * 1000, 95000);
        ASSERT_EQ(l.bars.size(), static_cast<size_t>(count));
        for (const StartBars& b : l.bars) {
            EXPECT_TRUE(Inside(b.mainPath, l.plot) && Inside(b.postBoot, l.plot));
            EXPECT_TRUE(b.shutdown && Inside(*b.shutdown, l.plot));
        }
        ASSERT_EQ(l.markers.size(), 6u);
        std::vector<ChartLabel> labels = l.legend;
        for (const ChangeMarker& m : l.markers) {
            EXPECT_TRUE(Inside(m.line, l.plot)) << "change " << m.change;
            if (m.number) labels.push_back(*m.number);
        }
        EXPECT_TRUE(l.markers[0].number && l.markers[3].number) << "the first change of a run of them is numbered";
        EXPECT_EQ(l.timeLabels.size(), 3u);
        labels.insert(labels.end(), l.valueLabels.begin(), l.valueLabels.end());
        labels.insert(labels.end(), l.timeLabels.begin(), l.timeLabels.end());
        for (size_t i = 0; i < labels.size(); ++i) {
            EXPECT_TRUE(Inside(labels[i].bounds, l.chart)) << labels[i].text;
            EXPECT_GE(labels[i].bounds.width, TextWidth(labels[i].text, dpi)) << labels[i].text;
            for (size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(Overlap(labels[i].bounds, labels[j].bounds)) << labels[i].text << " / " << labels[j].text;
        }
        for (const ChartLabel& v : l.valueLabels) EXPECT_LE(v.bounds.right(), l.plot.left);
    }
}

}  // namespace
}  // namespace brisko::ui
