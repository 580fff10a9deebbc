#pragma once
// The figures of a change's effect in words: the table the command line
// prints and the 効果 page shows below its chart, and the same as CSV.
#include <string>
#include <vector>

#include "backup/effect_figures.h"

namespace brisko {

// "アプリケーション", "ドライバー", "サービス", "デバイス".
std::string SlowKindName(int id);
// The three figures compared at each change, in the table's order.
inline constexpr const char* kFigureNames[3] = {"デスクトップまで", "デスクトップの後", "シャットダウン"};
const Comparison& FigureOf(const ChangeEffect& change, int figure);

// "前 30.0 秒 → 後 25.0 秒  差 -5.0 秒 (-16.7%)  前 10 回・後 10 回", or with
// fewer than three on a side "計測中  前 2 回・後 10 回".
std::string ComparisonText(const Comparison& c);
// A slow starter's name as the table shows it: the friendly name (or the
// file's), and a service's entry on the services page.
std::string SlowStarterName(const SlowStarter& s);

// One change's lines of the table (numbered from 1): when, what, its items,
// the three figures and its marks; the page's marker shows them too.
std::vector<std::string> ChangeLines(const ChangeEffect& change, size_t number);

// The table: one sentence alone when there is nothing to show; otherwise a
// summary, each change with its items and its three figures and marks, and
// the slowest starters.
std::vector<std::string> EffectReportLines(const EffectFigures& figures);

// The same figures as CSV lines (UTF-8, comma-separated, quoted where
// needed): a heading, then one line per change and figure (区分 "変更") and
// one per slow starter (区分 "遅延"); times in seconds.
std::vector<std::string> EffectCsvLines(const EffectFigures& figures);

}  // namespace brisko
