#pragma once
// Where the PC information page puts things, in design pixels at 96 DPI: the
// list of captions on the left, one box beside each of its ten rows, and the
// change and detail buttons in a column on the right, at the bottom.
#include <array>

#include "ui/main_layout.h"

namespace brisko::ui {

inline constexpr int kPcInfoRowHeight = 18;

struct PcInfoLayout {
    Rect list;
    std::array<Rect, 10> boxes;
    Rect change, detail;
};

// page: the area the main window gives each page.
PcInfoLayout LayOutPcInfoPage(const Rect& page);

}  // namespace brisko::ui
