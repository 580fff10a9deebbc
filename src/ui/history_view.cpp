#include "ui/history_view.h"

namespace brisko::ui {

std::string HistoryListLine(const HistoryRecord& record) {
    std::string line = record.when + "  " + record.action + "  (" + std::to_string(record.items.size()) + " 項目)";
    for (const HistoryItem& item : record.items) {
        bool failed = !item.failure.empty();
        for (const HistoryValue& v : item.values) failed = failed || !v.failure.empty();
        if (failed) return line + "  失敗あり";
    }
    return line;
}

std::string HistoryDetails(const HistoryRecord& r) {
    std::string text = r.when + "  " + r.action + "\r\n";
    if (!r.restoredFrom.empty()) text += "復元したファイル: " + r.restoredFrom + "\r\n";
    text += "変更前のバックアップ: " + (r.backup.empty() ? std::string("なし") : r.backup) + "\r\n";
    text += "復元ポイント: " + r.restorePoint + "\r\n";
    if (r.items.empty()) text += "\r\n変更された値はありません。\r\n";
    for (const HistoryItem& item : r.items) {
        text += "\r\n" + item.label + "\r\n";
        for (const HistoryValue& v : item.values) {
            text += "  " + v.target + "\r\n    変更前: " + v.before + "\r\n    変更後: " + v.after + "\r\n";
            if (!v.failure.empty()) text += "    ※ 失敗: " + v.failure + "\r\n";
        }
        if (!item.failure.empty()) text += "  ※ 失敗: " + item.failure + "\r\n";
    }
    return text;
}

}  // namespace brisko::ui
