#pragma once
// Where everything of the options window goes, in design pixels at 96 DPI.
// The client area is 420 x 366; the tab row sits on top, the page below it,
// and the apply and close buttons at the bottom right of every page.
#include <array>

#include "ui/main_layout.h"

namespace brisko::ui {

inline constexpr int kOptionsClientWidth = 420;
inline constexpr int kOptionsClientHeight = 366;

// The radio buttons' captions: each button is as wide as its circle and text.
inline constexpr std::array<const char*, 5> kFontSizeCaptions = {"最大", "大", "中 (標準)", "小", "最小"};
inline constexpr std::array<const char*, 11> kColourStyleCaptions = {
    "Brisko (標準)", "Old (Tessaly)", "Old (Marvanel)", "Black", "White", "Gray", "Red", "Blue", "Green", "Yellow",
    "項目をクリックして任意の色を指定する"};
inline constexpr std::array<const char*, 3> kPageStyleCaptions = {"タブ (標準)", "フラットボタン", "ボタン"};

struct OptionsLayout {
    Rect tabs, page, apply, close;
    // General.
    Rect fontGroup, fontLabel;
    std::array<Rect, 5> fontRadios;  // 最大, 大, 中, 小, 最小
    Rect messageGroup;
    std::array<Rect, 2> messageChecks;
    Rect backupGroup, backupCheck, restorePointCheck, pathGroup;
    std::array<Rect, 2> pathLabels, pathEdits, pathButtons;
    // Item disabling: eight rows (five categories, services, utilities, PC information).
    Rect disablingNote, disablingGroup;
    std::array<Rect, 8> rowLabels;
    std::array<std::array<Rect, 10>, 8> rowBoxes;  // the services row uses its first box, PC information three
    // Version.
    Rect productName, version, copyright;
    std::array<Rect, 4> linkCaptions, links;
    Rect hidden;
    // Customize.
    Rect transparencyGroup, transparencyScroll, transparencyEdit, transparencyMin, transparencyMax;
    Rect colourGroup;
    std::array<Rect, 11> styleRadios;
    std::array<Rect, 6> swatches, swatchLabels;
    Rect pageStyleGroup;
    std::array<Rect, 3> pageStyleRadios;
    Rect showTab;
};

OptionsLayout LayOutOptionsWindow();

}  // namespace brisko::ui
