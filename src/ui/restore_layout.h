#pragma once
// Where the save-and-restore window puts things, in design pixels at 96 DPI.
#include "ui/main_layout.h"

namespace brisko::ui {

inline constexpr int kRestoreClientWidth = 444;
inline constexpr int kRestoreClientHeight = 319;

// One page: a heading, two glyph buttons each with a label, a picture.
struct RestorePageLayout {
    Rect heading, backupButton, backupLabel, restoreButton, restoreLabel, picture;
};

// The history page: a heading, the list of records, the button that restores
// the chosen record's backup.
struct HistoryPageLayout {
    Rect heading, list, restoreButton;
};

struct RestoreLayout {
    Rect pages;    // the page control with its tabs
    Rect panel;    // the area each page's panel fills
    RestorePageLayout page;
    HistoryPageLayout history;
    Rect effect;  // the 効果 page: the panel and the description box's place beneath it
    Rect comment, close;
    Rect planSave, planLoad;  // the tweak-plan buttons, left of the close button
};

// panel is the page control's display area for its tabs (the window asks the
// control); the page's controls stand inside it at their design places.
RestoreLayout LayOutRestoreWindow(const Rect& panel);

}  // namespace brisko::ui
