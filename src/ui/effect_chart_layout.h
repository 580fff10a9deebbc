#pragma once
// Where the 効果 page draws its chart of start and shutdown times and puts
// the table below it. The area comes in design pixels; the layout is in
// device pixels at the screen's DPI, since a bar per start may be narrower
// than a design pixel. Text widths come from the caller (the page measures
// its font), so the layout stays pure and is checked at every DPI anywhere.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "backup/effect_report.h"
#include "ui/main_layout.h"

namespace brisko::ui {

// How wide a text is in the page's font, in device pixels.
using TextWidthOf = std::function<int(std::string_view)>;

struct ChartLabel {
    std::string text;
    Rect bounds;
};

// One start: the part to the desktop, the part after it stacked on top, and
// a short mark at the height of the shutdown recorded before it.
struct StartBars {
    Rect mainPath, postBoot;
    std::optional<Rect> shutdown;
};

// A change of the history: a line across the plot's height before the first
// start after it, and its number in the table above the plot (none where it
// would run into the number before it).
struct ChangeMarker {
    size_t change = 0;  // its index in the figures' changes
    Rect line;
    std::optional<ChartLabel> number;
};

struct EffectChartLayout {
    Rect chart, plot;
    std::vector<ChartLabel> legend;  // the three series, in kFigureNames' order
    std::vector<Rect> swatches;      // the colour beside each
    std::vector<ChartLabel> valueLabels;  // "0 秒" ... along the left, bottom up
    std::vector<Rect> gridLines;          // across the plot at each value label
    std::vector<ChartLabel> timeLabels;   // the dates of the first, middle and last starts
    std::vector<StartBars> bars;          // one per start, oldest first
    std::vector<ChangeMarker> markers;
    Rect table;       // below the chart
    int topSeconds;   // the value at the top of the plot
};

// lineHeight: one line of the page's font, in device pixels.
EffectChartLayout LayOutEffectChart(const EffectFigures& figures, const Rect& area, int dpi,
                                    const TextWidthOf& textWidth, int lineHeight);

// The start whose bar's slot holds x, for the tooltip; none outside the plot.
std::optional<size_t> StartAt(const EffectChartLayout& layout, int x);
// The tooltip's text for a start.
std::string StartTooltip(const StartFigure& start);

}  // namespace brisko::ui
