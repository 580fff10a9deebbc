#pragma once
// Where the utilities page puts its controls over the list that fills it, in
// design pixels at 96 DPI: ten buttons in two columns at the top right, and
// left of their lower rows the quick-format box and the two drive lists.
// Everything keeps its distance from the page's right edge.
#include <array>

#include "ui/main_layout.h"

namespace brisko::ui {

// The page's width at the main window's design size.
inline constexpr int kUtilityDesignPageWidth = kDesignClientWidth - 131 - 4;

struct UtilityLayout {
    std::array<Rect, 10> buttons;  // ① to ⑩: rows of two, left column first
    Rect quickFormat, defragDrives, convertDrives;
};

// page: the rectangle of the page's list (the main layout's pages).
UtilityLayout LayOutUtilityPage(const Rect& page);

}  // namespace brisko::ui
