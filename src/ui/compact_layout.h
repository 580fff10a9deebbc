#pragma once
// Where the compact window puts things, in design pixels at 96 DPI: the strip
// of tool buttons along the top and, below it, the monitor's six groups.
#include <string_view>
#include <vector>

#include "ui/main_layout.h"

namespace brisko::ui {

// Client areas of the two modes; the window adds its frame.
inline constexpr int kCompactStripWidth = 115, kCompactStripHeight = 22;
inline constexpr int kPerformanceClientWidth = 267, kPerformanceClientHeight = 397;

enum class CompactKind { Button, Group, Caption, Value, Bar, ChoiceList };

struct CompactControl {
    CompactKind kind;
    int id;                 // 0 for group boxes and captions
    std::string_view text;  // caption, or the design text of a value (UTF-8)
    Rect bounds;
};

// Every control of the window in creation (and tab) order.
const std::vector<CompactControl>& CompactControls();

}  // namespace brisko::ui
