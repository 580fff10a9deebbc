#include "ui/effect_chart_layout.h"

#include <algorithm>
#include <cstdio>

#include "ui/scale.h"

namespace brisko::ui {

namespace {
constexpr int kChartHeight = 170;   // design pixels, when the area has room
constexpr int kSwatch = 10, kSwatchGap = 3, kLegendGap = 12, kGap = 4;
// Steps of the value axis, in seconds: the smallest that keeps to the ticks there is room for.
constexpr int kSteps[] = {1, 2, 5, 10, 15, 20, 30, 60, 120, 300, 600, 1200, 3600};

// v kept between lo and hi; lo where there is no room between them.
int Within(int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); }

int64_t Highest(const EffectFigures& f) {
    int64_t most = 0;
    for (const StartFigure& s : f.starts)
        most = std::max({most, s.mainPathMs + s.postBootMs, s.shutdownMs.value_or(0)});
    return most;
}

std::string SecondsLabel(int64_t seconds) { return std::to_string(seconds) + " 秒"; }

// The legend's rows from the chart's top: a swatch and its name each, wrapped where a row is full.
int LayOutLegend(EffectChartLayout& l, int dpi, const TextWidthOf& width, int lineHeight) {
    const int swatch = ToDevice(kSwatch, dpi);
    int x = l.chart.left, y = l.chart.top;
    for (const char* name : kFigureNames) {
        const int item = swatch + ToDevice(kSwatchGap, dpi) + width(name);
        if (x > l.chart.left && x + item > l.chart.right()) {
            x = l.chart.left;
            y += lineHeight;
        }
        l.swatches.push_back({x, y + (lineHeight - swatch) / 2, swatch, swatch});
        l.legend.push_back({name, {x + swatch + ToDevice(kSwatchGap, dpi), y, width(name), lineHeight}});
        x += item + ToDevice(kLegendGap, dpi);
    }
    return y + lineHeight;
}

// The value axis: the step that needs the fewest ticks while they stay a
// line apart; the plot begins right of the widest of its labels.
void LayOutValues(EffectChartLayout& l, int64_t highestMs, int dpi, const TextWidthOf& width, int lineHeight) {
    const int room = std::max(1, l.plot.height / (lineHeight + 2));
    const int64_t highest = std::max<int64_t>(1, (highestMs + 999) / 1000);
    // Past the steps (a start of hours), whole hours that keep to the room.
    int64_t step = ((highest + room - 1) / room + 3599) / 3600 * 3600;
    for (int s : kSteps)
        if ((highest + s - 1) / s <= room) {
            step = s;
            break;
        }
    const int ticks = static_cast<int>(std::max<int64_t>(1, (highest + step - 1) / step));
    l.topSeconds = static_cast<int>(ticks * step);
    int widest = 0;
    for (int t = 0; t <= ticks; ++t) widest = std::max(widest, width(SecondsLabel(t * step)));
    l.plot.left = l.chart.left + widest + ToDevice(kGap, dpi);
    l.plot.width = std::max(1, l.chart.right() - ToDevice(kGap, dpi) - l.plot.left);
    for (int t = 0; t <= ticks; ++t) {
        const int y = l.plot.bottom() - 1 - (l.plot.height - 1) * t / ticks;
        const std::string text = SecondsLabel(t * step);
        const int w = width(text);
        const int top = Within(y - lineHeight / 2, l.chart.top, l.chart.bottom() - lineHeight);
        l.valueLabels.push_back({text, {l.plot.left - ToDevice(kGap, dpi) - w, top, w, lineHeight}});
        l.gridLines.push_back({l.plot.left, y, l.plot.width, 1});
    }
}

int Slot(const Rect& plot, size_t i, size_t n) {
    return plot.left + static_cast<int>(static_cast<int64_t>(plot.width) * static_cast<int64_t>(i) /
                                         static_cast<int64_t>(n));
}

void LayOutBars(EffectChartLayout& l, const EffectFigures& f, int dpi) {
    const size_t n = f.starts.size();
    const double perMs = static_cast<double>(l.plot.height) / (l.topSeconds * 1000.0);
    auto height = [&](int64_t ms) { return std::min(l.plot.height, static_cast<int>(ms * perMs + 0.5)); };
    const int bottom = l.plot.bottom();
    for (size_t i = 0; i < n; ++i) {
        const int x0 = Slot(l.plot, i, n), x1 = Slot(l.plot, i + 1, n);
        const int width = std::max(1, x1 - x0 >= 3 ? (x1 - x0) * 3 / 4 : x1 - x0);
        const StartFigure& s = f.starts[i];
        StartBars b;
        const int main = height(s.mainPathMs), total = height(s.mainPathMs + s.postBootMs);
        b.mainPath = {x0, bottom - main, width, main};
        b.postBoot = {x0, bottom - total, width, total - main};
        if (s.shutdownMs) {
            const int mark = std::max(1, ToDevice(2, dpi));
            const int top = Within(bottom - height(*s.shutdownMs) - mark / 2, l.plot.top, bottom - mark);
            b.shutdown = Rect{x0, top, width, mark};
        }
        l.bars.push_back(b);
    }
}

void LayOutMarkers(EffectChartLayout& l, const EffectFigures& f, int numberTop, int dpi, const TextWidthOf& width,
                   int lineHeight) {
    const size_t n = f.starts.size();
    const int lineWidth = std::max(1, ToDevice(1, dpi));
    int numbersEnd = l.chart.left;
    for (size_t c = 0; c < f.changes.size(); ++c) {
        const size_t position = std::min(f.changes[c].position, n);
        int x = n ? Slot(l.plot, position, n) : l.plot.left;
        x = Within(x - lineWidth / 2, l.plot.left, l.plot.right() - lineWidth);
        ChangeMarker m{c, {x, l.plot.top, lineWidth, l.plot.height}, std::nullopt};
        const std::string text = std::to_string(c + 1);
        const int w = width(text);
        const int left = Within(x + lineWidth / 2 - w / 2, l.chart.left, l.chart.right() - w);
        if (left >= numbersEnd) {
            m.number = ChartLabel{text, {left, numberTop, w, lineHeight}};
            numbersEnd = left + w + ToDevice(kGap, dpi);
        }
        l.markers.push_back(std::move(m));
    }
}

void LayOutTimes(EffectChartLayout& l, const EffectFigures& f, int dpi, const TextWidthOf& width, int lineHeight) {
    const size_t n = f.starts.size();
    if (n == 0) return;
    const int top = l.plot.bottom() + ToDevice(2, dpi);
    auto label = [&](size_t i, int align) {  // align: -1 left, 0 centre, 1 right edge of the plot
        const std::string text = TimeStamp(f.starts[i].time).substr(0, 10);
        const int w = width(text);
        const int centre = (Slot(l.plot, i, n) + Slot(l.plot, i + 1, n)) / 2;
        const int left = align < 0 ? l.plot.left : align > 0 ? l.plot.right() - w : centre - w / 2;
        return ChartLabel{text, {Within(left, l.chart.left, l.chart.right() - w), top, w, lineHeight}};
    };
    const int gap = ToDevice(kGap * 2, dpi);
    ChartLabel first = label(0, -1);
    l.timeLabels.push_back(first);
    if (n == 1) return;
    ChartLabel last = label(n - 1, 1);
    ChartLabel middle = label(n / 2, 0);
    if (n > 2 && middle.bounds.left >= first.bounds.right() + gap && middle.bounds.right() + gap <= last.bounds.left)
        l.timeLabels.push_back(middle);
    if (last.bounds.left >= l.timeLabels.back().bounds.right() + gap) l.timeLabels.push_back(last);
}
}  // namespace

EffectChartLayout LayOutEffectChart(const EffectFigures& f, const Rect& area, int dpi, const TextWidthOf& textWidth,
                                    int lineHeight) {
    EffectChartLayout l;
    const Rect whole = ToDevice(area, dpi);
    const int gap = ToDevice(kGap, dpi);
    const int chartHeight = std::min(ToDevice(kChartHeight, dpi), whole.height * 3 / 5);
    l.chart = {whole.left, whole.top, whole.width, chartHeight};
    l.table = {whole.left, l.chart.bottom() + gap, whole.width, std::max(0, whole.bottom() - l.chart.bottom() - gap)};

    const int numberTop = LayOutLegend(l, dpi, textWidth, lineHeight);
    l.plot.top = numberTop + lineHeight + lineHeight / 2;  // half a label's height for the top value
    l.plot.height = std::max(1, l.chart.bottom() - lineHeight - ToDevice(2, dpi) - l.plot.top);
    LayOutValues(l, Highest(f), dpi, textWidth, lineHeight);
    LayOutBars(l, f, dpi);
    LayOutMarkers(l, f, numberTop, dpi, textWidth, lineHeight);
    LayOutTimes(l, f, dpi, textWidth, lineHeight);
    return l;
}

std::optional<size_t> StartAt(const EffectChartLayout& l, int x) {
    const size_t n = l.bars.size();
    if (n == 0 || x < l.plot.left || x >= l.plot.right()) return std::nullopt;
    const size_t i = static_cast<size_t>(static_cast<int64_t>(x - l.plot.left) * static_cast<int64_t>(n) /
                                         static_cast<int64_t>(l.plot.width));
    return std::min(i, n - 1);
}

std::string StartTooltip(const StartFigure& s) {
    auto seconds = [](int64_t ms) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f 秒", static_cast<double>(ms) / 1000);
        return std::string(text);
    };
    std::string tip = TimeStamp(s.time) + "\r\n" + kFigureNames[0] + ": " + seconds(s.mainPathMs) + "\r\n" +
                      kFigureNames[1] + ": " + seconds(s.postBootMs);
    if (s.shutdownMs) tip += "\r\n" + std::string(kFigureNames[2]) + " (この起動の前): " + seconds(*s.shutdownMs);
    return tip;
}

}  // namespace brisko::ui
