// Any bytes as Windows' rendered start and shutdown events: reading never
// crashes or hangs, reads no more events than the text has <Event> tags,
// keeps only valid times and our ids, and the figures, their table and CSV
// and the chart's layout are made from whatever was read.
#include <cstdint>
#include <string>

#include "backup/effect_report.h"
#include "ui/effect_chart_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace brisko;
    const auto Require = [](bool holds) {
        if (!holds) __builtin_trap();
    };
    const std::string text(reinterpret_cast<const char*>(data), size);
    const EventParse parsed = ParseDiagnosticEvents(text);
    size_t tags = 0;
    for (size_t at = text.find("Event"); at != std::string::npos; at = text.find("Event", at + 1)) ++tags;
    Require(parsed.events.size() + parsed.unreadable <= tags);
    Require(parsed.unreadable == 0 || !parsed.problem.empty());
    for (const DiagnosticEvent& e : parsed.events) Require(IsDiagnosticId(e.id) && IsValidTime(e.time));

    MemoryEffectSource source;
    source.rendered = {text};
    source.utcOffsetMinutes = 540;
    const EffectReading reading = source.Read(kNewestEvents);
    const std::vector<HistoryRecord> history = {{"2026-01-01 00:00:00", "高速化", "", "", "", {{"x", {{"v", "0", "1", ""}}, ""}}}};
    const EffectFigures figures = ComputeEffect(reading, history, [](const std::string& name, const std::string&) { return name; });
    Require(EffectCsvLines(figures).size() == 1 + 3 * figures.changes.size() + figures.slowest.size());
    Require(!EffectReportLines(figures).empty());
    const auto chart = ui::LayOutEffectChart(figures, {0, 0, 436, 265}, 144, [](std::string_view t) {
        return static_cast<int>(t.size()) * 7;
    }, 21);
    Require(chart.bars.size() == figures.starts.size() && chart.markers.size() == figures.changes.size());
    return 0;
}
