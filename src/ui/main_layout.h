#pragma once
// Where everything of the main window goes, in design pixels at 96 DPI
// (scaled by the caller). Pure arithmetic, so it can be checked anywhere.
#include <array>

namespace brisko::ui {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

struct MainLayout {
    Rect title, banner, toolPanel;
    std::array<Rect, 7> toolButtons;  // Minimum, Maximize, Close, Top, Compact, Performance, Tray
    Rect sideMenu;
    std::array<Rect, 8> pageButtons;  // System ... Info
    bool serviceButtonVisible = true;
    Rect actionPanel, actionBorder;
    bool actionBorderVisible = true;
    std::array<Rect, 4> actionButtons;  // Restore, Option, Help, Close
    Rect settings, tabs, pages, glue, count, moreInfo, accelerate, about, commentLabel, comment;
};

inline constexpr int kDesignClientWidth = 597;
inline constexpr int kDesignClientHeight = 515;
inline constexpr int kSmallScreenHeight = 515;

// The layout for a client area of the given size (design pixels). A screen
// lower than 515 pixels gets the compact side menu; showTabs adds the page
// tabs above the lists; drawn as buttons (buttonTabs), they take 3 pixels more.
MainLayout LayOutMainWindow(int clientWidth, int clientHeight, bool smallScreen, bool showTabs,
                            bool buttonTabs = false);

}  // namespace brisko::ui
