#include "ui/options_layout.h"

#include <algorithm>
#include <string_view>

namespace brisko::ui {

namespace {
constexpr int kTabHeight = 24, kMargin = 6, kLine = 20, kGroupHead = 18;
constexpr int kRowLabelWidth = 102, kBoxWidth = 27, kLastBoxWidth = 36;
constexpr int kRadioCircle = 17, kRadioGap = 20;

// A radio button's width: its circle, and its caption in the 12-pixel UI font
// reckoned at 12 pixels a Japanese character (three UTF-8 bytes) and 7 an
// ASCII one, more than either font gives them.
int RadioWidth(std::string_view caption) {
    int width = kRadioCircle;
    for (size_t i = 0; i < caption.size(); i += static_cast<unsigned char>(caption[i]) < 0x80 ? 1 : 3)
        width += static_cast<unsigned char>(caption[i]) < 0x80 ? 7 : 12;
    return width;
}
}  // namespace

OptionsLayout LayOutOptionsWindow() {
    OptionsLayout l;
    const int width = kOptionsClientWidth, height = kOptionsClientHeight;
    l.tabs = {4, 4, width - 8, kTabHeight};
    l.page = {4, l.tabs.bottom(), width - 8, height - l.tabs.bottom() - 4};
    const int inner = l.page.left + kMargin, innerWidth = l.page.width - 2 * kMargin;
    l.close = {l.page.right() - kMargin - 80, l.page.bottom() - kMargin - 24, 80, 24};
    l.apply = {l.close.left - 8 - 80, l.close.top, 80, 24};
    auto group = [&](int top, int lines) { return Rect{inner, top, innerWidth, kGroupHead + lines * kLine + 6}; };
    auto line = [&](const Rect& g, int n, int indent = 12) {
        return Rect{g.left + indent, g.top + kGroupHead + n * kLine, g.width - indent - 8, kLine - 2};
    };

    // General.
    int top = l.page.top + kMargin;
    l.fontGroup = group(top, 2);
    l.fontLabel = line(l.fontGroup, 0);
    for (int i = 0, x = l.fontGroup.left + 12; i < 5; ++i) {
        l.fontRadios[i] = {x, l.fontLabel.bottom() + 2, RadioWidth(kFontSizeCaptions[i]), kLine - 2};
        x = l.fontRadios[i].right() + kRadioGap;
    }
    top = l.fontGroup.bottom() + kMargin;
    l.messageGroup = group(top, 2);
    for (int i = 0; i < 2; ++i) l.messageChecks[i] = line(l.messageGroup, i);
    l.backupGroup = group(l.messageGroup.bottom() + kMargin, 2);
    l.backupCheck = line(l.backupGroup, 0);
    l.restorePointCheck = line(l.backupGroup, 1);
    l.pathGroup = group(l.backupGroup.bottom() + kMargin, 2);
    for (int i = 0; i < 2; ++i) {
        const Rect row = line(l.pathGroup, i);
        l.pathLabels[i] = {row.left, row.top + 2, 70, 16};
        l.pathButtons[i] = {row.right() - 64, row.top - 1, 64, kLine};
        l.pathEdits[i] = {l.pathLabels[i].right() + 4, row.top, l.pathButtons[i].left - 6 - l.pathLabels[i].right() - 4,
                          kLine - 2};
    }

    // Item disabling.
    l.disablingNote = {inner, l.page.top + kMargin, innerWidth, 16};
    l.disablingGroup = group(l.disablingNote.bottom() + 4, 8);
    for (int r = 0; r < 8; ++r) {
        const Rect row = line(l.disablingGroup, r, 8);
        l.rowLabels[r] = {row.left, row.top + 1, kRowLabelWidth, 16};
        for (int b = 0; b < 10; ++b) l.rowBoxes[r][b] = {row.left + kRowLabelWidth + b * kBoxWidth, row.top, kBoxWidth - 1, kLine - 2};
        l.rowBoxes[r][9].width = kLastBoxWidth;  // "10" is two digits wide
        if (r == 5) l.rowBoxes[r][0].width = 120;  // "(全ての項目)"
    }

    // Version.
    l.productName = {inner + 8, l.page.top + 16, 200, 24};
    l.version = {inner + 8, l.productName.bottom() + 8, 200, 16};
    l.copyright = {inner + 8, l.version.bottom() + 4, innerWidth - 16, 16};
    for (int i = 0; i < 4; ++i) {
        l.linkCaptions[i] = {inner + 8, l.copyright.bottom() + 20 + i * 24, 96, 16};
        l.links[i] = {l.linkCaptions[i].right() + 4, l.linkCaptions[i].top, innerWidth - 16 - 100, 16};
    }
    l.hidden = {inner + 8, l.close.top - 8, 32, 32};

    // Customize.
    l.transparencyGroup = group(l.page.top + kMargin, 1);
    const Rect scrollLine = line(l.transparencyGroup, 0);
    l.transparencyMin = {scrollLine.left, scrollLine.top + 1, 14, 16};
    l.transparencyMax = {scrollLine.right() - 150, scrollLine.top + 1, 74, 16};
    l.transparencyEdit = {scrollLine.right() - 70, scrollLine.top, 40, kLine - 2};
    l.transparencyScroll = {l.transparencyMin.right() + 4, scrollLine.top + 1,
                            l.transparencyMax.left - 8 - l.transparencyMin.right() - 4, 16};
    l.colourGroup = group(l.transparencyGroup.bottom() + 4, 8);
    for (int i = 0; i < 10; ++i)
        l.styleRadios[i] = {l.colourGroup.left + 12 + (i % 2) * 180, l.colourGroup.top + kGroupHead + (i / 2) * 18,
                            std::min(176, RadioWidth(kColourStyleCaptions[i])), 17};
    l.styleRadios[10] = {l.colourGroup.left + 12, l.styleRadios[8].bottom() + 1,
                         std::min(innerWidth - 24, RadioWidth(kColourStyleCaptions[10])), 17};
    for (int i = 0; i < 6; ++i) {
        const int x = l.colourGroup.left + 12 + (i % 3) * 128, y = l.styleRadios[10].bottom() + 4 + (i / 3) * 20;
        l.swatches[i] = {x, y, 22, 16};
        l.swatchLabels[i] = {x + 26, y + 1, 100, 16};
    }
    l.colourGroup.height = l.swatches[5].bottom() + 6 - l.colourGroup.top;
    l.pageStyleGroup = group(l.colourGroup.bottom() + 4, 2);
    for (int i = 0; i < 3; ++i)
        l.pageStyleRadios[i] = {l.pageStyleGroup.left + 12 + i * 120, l.pageStyleGroup.top + kGroupHead,
                                std::min(116, RadioWidth(kPageStyleCaptions[i])), kLine - 2};
    l.showTab = line(l.pageStyleGroup, 1);
    return l;
}

}  // namespace brisko::ui
