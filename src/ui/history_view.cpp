#include "ui/history_view.h"

namespace brisko::ui {

namespace {
// Columns a text takes: two for a character beyond ASCII.
size_t Columns(const std::string& text) {
    size_t n = 0;
    for (unsigned char c : text)
        if (c < 0x80) ++n;
        else if (c >= 0xC0) n += 2;
    return n;
}

// A path broken after its backslashes where a line would pass the width, so
// that no line outruns the description box (a path has no spaces to wrap at).
std::string Wrapped(const std::string& path, const std::string& indent, size_t width = 50) {
    std::string text = indent, line = indent;
    size_t from = 0;
    while (from < path.size()) {
        size_t end = path.find('\\', from);
        end = end == std::string::npos ? path.size() : end + 1;
        const std::string part = path.substr(from, end - from);
        if (line.size() > indent.size() + 4 && Columns(line) + Columns(part) > width) {
            text += "\r\n";
            line = indent + "    ";
            text += indent + "    ";
        }
        text += part;
        line += part;
        from = end;
    }
    return text;
}
}  // namespace

std::string HistoryListLine(const HistoryRecord& record) {
    std::string line = record.when + "  " + record.action + "  (" + std::to_string(record.items.size()) + " 項目)";
    if (record.Interrupted()) return line + "  中断";
    for (const HistoryItem& item : record.items) {
        bool failed = !item.failure.empty();
        for (const HistoryValue& v : item.values) failed = failed || !v.failure.empty();
        if (failed) return line + "  失敗あり";
    }
    return line;
}

std::string HistoryDetails(const HistoryRecord& r) {
    std::string text = r.when + "  " + r.action + "\r\n";
    // Begun and never completed: the program was stopped part way.
    if (r.Interrupted())
        text += "※ 中断: 変更の途中でプログラムが止まりました。" +
                std::string(r.backup.empty() ? "" : "変更前のバックアップから元に戻せます。") + "\r\n";
    if (!r.restoredFrom.empty()) text += "復元したファイル:\r\n" + Wrapped(r.restoredFrom, "  ") + "\r\n";
    text += "変更前のバックアップ:" + (r.backup.empty() ? std::string(" なし") : "\r\n" + Wrapped(r.backup, "  ")) + "\r\n";
    text += "復元ポイント: " + r.restorePoint + "\r\n";
    if (r.items.empty()) text += "\r\n変更された値はありません。\r\n";
    for (const HistoryItem& item : r.items) {
        text += "\r\n" + item.label + "\r\n";
        for (const HistoryValue& v : item.values) {
            text += Wrapped(v.target, "  ") + "\r\n    変更前: " + v.before + "\r\n    変更後: " + v.after + "\r\n";
            if (!v.failure.empty()) text += "    ※ 失敗: " + v.failure + "\r\n";
        }
        if (!item.failure.empty()) text += "  ※ 失敗: " + item.failure + "\r\n";
    }
    return text;
}

}  // namespace brisko::ui
