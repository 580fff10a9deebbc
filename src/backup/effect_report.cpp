#include "backup/effect_report.h"

#include <cstdio>

namespace brisko {

namespace {
constexpr size_t kItemsNamed = 3;  // a change's first items named, the rest counted

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
std::string Seconds(double ms) { return Format("%.1f 秒", ms / 1000); }
std::string Count(size_t n) { return std::to_string(n); }
std::string Day(const LocalTime& t) { return TimeStamp(t).substr(0, 10); }

std::string ItemsText(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size() && i < kItemsNamed; ++i) text += (i ? "、" : "") + items[i];
    if (items.size() > kItemsNamed) text += " ほか " + Count(items.size() - kItemsNamed) + " 項目";
    return text;
}

// A CSV field: quoted when it holds a comma, a quote or a line break; a
// text that a spreadsheet would take for a formula gets a leading apostrophe.
std::string Field(const std::string& value, bool isText = true) {
    std::string v = value;
    if (isText && !v.empty() && std::string("=+-@\t\r").find(v[0]) != std::string::npos) v = "'" + v;
    if (v.find_first_of(",\"\r\n") == std::string::npos) return v;
    std::string quoted = "\"";
    for (char c : v) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}
std::string CsvSeconds(double ms) { return Format("%.3f", ms / 1000); }

std::string Joined(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
    return line;
}
}  // namespace

std::string SlowKindName(int id) {
    switch (id) {
        case kSlowApplication: return "アプリケーション";
        case kSlowDriver: return "ドライバー";
        case kSlowService: return "サービス";
        case kSlowDevice: return "デバイス";
    }
    return "その他";
}

const Comparison& FigureOf(const ChangeEffect& change, int figure) {
    return figure == 0 ? change.mainPath : figure == 1 ? change.postBoot : change.shutdown;
}

std::string ComparisonText(const Comparison& c) {
    const std::string counts = "前 " + Count(c.before) + " 回・後 " + Count(c.after) + " 回";
    if (!c.Measured()) return "計測中  " + counts;
    const auto percent = c.Percent();
    return "前 " + Seconds(c.beforeMs) + " → 後 " + Seconds(c.afterMs) + "  差 " +
           Format("%+.1f 秒", c.DifferenceSeconds()) + (percent ? Format(" (%+.1f%%)", *percent) : "") + "  " + counts;
}

std::string SlowStarterName(const SlowStarter& s) {
    std::string name = s.friendlyName.empty() ? s.name : s.friendlyName;
    if (!s.friendlyName.empty() && !s.name.empty() && s.name != s.friendlyName) name += " (" + s.name + ")";
    if (!s.serviceEntry.empty()) name += " [サービス一覧: " + s.serviceEntry + "]";
    return name;
}

std::vector<std::string> ChangeLines(const ChangeEffect& c, size_t number) {
    std::vector<std::string> lines;
    lines.push_back(Count(number) + ". " + c.when + "  " + c.action + "  " + Count(c.items.size()) + " 項目");
    lines.push_back("   項目: " + ItemsText(c.items));
    for (int figure = 0; figure < 3; ++figure)
        lines.push_back("   " + std::string(kFigureNames[figure]) + ": " + ComparisonText(FigureOf(c, figure)));
    if (c.updateAfter)
        lines.push_back("   ※ この後の起動までに Windows の更新が入りました。差はこの変更だけによるものではありません。");
    if (!c.laterChange.empty())
        lines.push_back("   ※ この後の起動までに別の変更 (" + c.laterChange +
                        ") がありました。差はこの変更だけによるものではありません。");
    return lines;
}

std::vector<std::string> EffectReportLines(const EffectFigures& f) {
    if (!f.HasRecords()) return {f.why};
    std::vector<std::string> lines;
    lines.push_back("Windows の起動と終了にかかった時間 (イベント ログ " + std::string(kDiagnosticsChannel) + ")");
    lines.push_back("起動 " + Count(f.starts.size()) + " 回 (" + Day(f.starts.front().time) + " ～ " +
                    Day(f.starts.back().time) + ")、シャットダウン " + Count(f.shutdowns) + " 回" +
                    (f.afterInstall ? "。インストール直後の起動 " + Count(f.afterInstall) + " 回は除きました" : ""));
    if (f.unreadable)
        lines.push_back("読み取れなかった記録: " + Count(f.unreadable) + " 件 (" + f.problem + ")");
    lines.push_back("");
    lines.push_back("■ 変更ごとの比較 (変更の前と後、それぞれ最大 " + Count(kComparedStarts) + " 回の中央値)");
    if (f.changes.empty()) lines.push_back("  変更の記録はありません。");
    for (size_t i = 0; i < f.changes.size(); ++i) {
        const std::vector<std::string> change = ChangeLines(f.changes[i], i + 1);
        lines.insert(lines.end(), change.begin(), change.end());
    }
    lines.push_back("");
    lines.push_back("■ 起動を遅らせたもの (遅れの合計の多い順)");
    if (f.slowest.empty()) lines.push_back("  記録はありません。");
    for (size_t i = 0; i < f.slowest.size(); ++i) {
        const SlowStarter& s = f.slowest[i];
        lines.push_back(Count(i + 1) + ". " + SlowKindName(s.id) + "  " + SlowStarterName(s) + "  遅れ 合計 " +
                        Seconds(static_cast<double>(s.degradationMs)) + "  " + Count(s.times) + " 回");
    }
    return lines;
}

std::vector<std::string> EffectCsvLines(const EffectFigures& f) {
    std::vector<std::string> lines = {
        "区分,日時,操作,項目数,指標,前の中央値(秒),前の回数,後の中央値(秒),後の回数,差(秒),差(%),状態,"
        "Windows の更新,別の変更,種類,名前,表示名,サービス一覧の項目,遅れの合計(秒),回数"};
    for (const ChangeEffect& c : f.changes)
        for (int figure = 0; figure < 3; ++figure) {
            const Comparison& m = FigureOf(c, figure);
            const bool measured = m.Measured();
            const auto percent = m.Percent();
            lines.push_back(Joined({"変更", c.when, Field(c.action), Count(c.items.size()), kFigureNames[figure],
                                    m.before ? CsvSeconds(m.beforeMs) : "", Count(m.before),
                                    m.after ? CsvSeconds(m.afterMs) : "", Count(m.after),
                                    measured ? Format("%.3f", m.DifferenceSeconds()) : "",
                                    measured && percent ? Format("%.1f", *percent) : "", measured ? "比較" : "計測中",
                                    c.updateAfter ? "あり" : "", c.laterChange, "", "", "", "", "", ""}));
        }
    for (const SlowStarter& s : f.slowest)
        lines.push_back(Joined({"遅延", "", "", "", "", "", "", "", "", "", "", "", "", "", SlowKindName(s.id),
                                Field(s.name), Field(s.friendlyName), Field(s.serviceEntry),
                                CsvSeconds(static_cast<double>(s.degradationMs)), Count(s.times)}));
    return lines;
}

}  // namespace brisko
