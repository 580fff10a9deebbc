#include "backup/change_history.h"

#include <algorithm>
#include <unordered_map>

#include "platform/rotating_log.h"

namespace brisko {

namespace {
constexpr std::string_view kRecordMark = "==== ";
constexpr std::string_view kNone = "なし";
constexpr const char* kStageTag = "状態";
constexpr const char* kStageNames[] = {"", "開始", "完了", "取消"};
constexpr const char* kComputerTag = "コンピュータ";
constexpr const char* kUserTag = "ユーザー";
constexpr const char* kBackupTag = "バックアップ";
constexpr const char* kRestoredFromTag = "復元元";
constexpr const char* kRestorePointTag = "復元ポイント";
constexpr const char* kItemTag = "項目";
constexpr const char* kValueTag = "値";
constexpr const char* kFailureTag = "失敗";

std::string Field(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return out;
}

std::string Line(std::initializer_list<std::string> fields) {
    std::string line;
    for (const std::string& f : fields) line += (line.empty() ? "" : "\t") + Field(f);
    return line + "\r\n";
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields;
    size_t from = 0;
    for (;;) {
        const size_t tab = line.find('\t', from);
        fields.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
        if (tab == std::string::npos) return fields;
        from = tab + 1;
    }
}

std::string At(const std::vector<std::string>& fields, size_t i) { return i < fields.size() ? fields[i] : ""; }

HistoryItem& CurrentItem(HistoryRecord& record) {
    if (record.items.empty()) record.items.emplace_back();
    return record.items.back();
}

void ReadLine(HistoryRecord& record, const std::vector<std::string>& f) {
    const std::string& tag = f[0];
    if (tag == kStageTag) {
        for (int stage = 1; stage < 4; ++stage)
            if (At(f, 1) == kStageNames[stage]) record.stage = static_cast<HistoryRecord::Stage>(stage);
        record.id = At(f, 2);
    } else if (tag == kComputerTag) {
        record.computer = At(f, 1);
        record.windows = At(f, 2);
    } else if (tag == kUserTag) {
        record.users.push_back({At(f, 1), At(f, 2), At(f, 3)});
    } else if (tag == kBackupTag) record.backup = At(f, 1) == kNone ? "" : At(f, 1);
    else if (tag == kRestoredFromTag) record.restoredFrom = At(f, 1);
    else if (tag == kRestorePointTag) record.restorePoint = At(f, 1);
    else if (tag == kItemTag) record.items.push_back({At(f, 1), {}, ""});
    else if (tag == kValueTag) CurrentItem(record).values.push_back({At(f, 1), At(f, 2), At(f, 3), ""});
    else if (tag == kFailureTag) {
        HistoryItem& item = CurrentItem(record);
        const std::string target = At(f, 1);
        // The last write to that target failed; without one, the item did.
        auto value = std::find_if(item.values.rbegin(), item.values.rend(),
                                  [&](const HistoryValue& v) { return !target.empty() && v.target == target; });
        (value != item.values.rend() ? value->failure : item.failure) = At(f, 2);
    }
}
}  // namespace

std::string HistoryLogPath(const std::string& backupsFolder) { return backupsFolder + "\\brisko-history.log"; }

std::string FormatHistoryRecord(const HistoryRecord& r) {
    std::string text = std::string(kRecordMark) + Line({r.when, r.action});
    if (r.stage != HistoryRecord::Stage::Whole) text += Line({kStageTag, kStageNames[static_cast<int>(r.stage)], r.id});
    if (!r.computer.empty() || !r.windows.empty()) text += Line({kComputerTag, r.computer, r.windows});
    for (const HistoryUser& u : r.users) text += Line({kUserTag, u.key, u.sid, u.account});
    text += Line({kBackupTag, r.backup.empty() ? std::string(kNone) : r.backup});
    if (!r.restoredFrom.empty()) text += Line({kRestoredFromTag, r.restoredFrom});
    text += Line({kRestorePointTag, r.restorePoint});
    for (const HistoryItem& item : r.items) {
        text += Line({kItemTag, item.label});
        for (const HistoryValue& v : item.values) text += Line({kValueTag, v.target, v.before, v.after});
        for (const HistoryValue& v : item.values)
            if (!v.failure.empty()) text += Line({kFailureTag, v.target, v.failure});
        if (!item.failure.empty()) text += Line({kFailureTag, "", item.failure});
    }
    return text + "\r\n";
}

namespace {
std::vector<HistoryRecord> ReadRecords(const std::string& text) {
    std::vector<HistoryRecord> records;
    bool open = false;
    size_t from = text.starts_with(kUtf8ByteOrderMark) ? 3 : 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        from = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with(kRecordMark)) {
            const auto f = Split(line.substr(kRecordMark.size()));
            records.push_back({});
            records.back().when = At(f, 0);
            records.back().action = At(f, 1);
            open = true;
        } else if (line.empty()) {
            open = false;
        } else if (open) {
            ReadLine(records.back(), Split(line));
        }
    }
    return records;
}

// Each completion (or drop) takes the place of the begun record before it
// with its id, in one pass; what is left begun was cut short.
std::vector<HistoryRecord> Paired(std::vector<HistoryRecord> records) {
    using Stage = HistoryRecord::Stage;
    std::unordered_map<std::string, size_t> begun;
    std::vector<bool> kept(records.size(), true);
    for (size_t i = 0; i < records.size(); ++i) {
        HistoryRecord& r = records[i];
        if (r.stage == Stage::Begun) {
            begun[r.id] = i;
            continue;
        }
        if (r.stage != Stage::Completed && r.stage != Stage::Dropped) continue;
        const auto it = begun.find(r.id);
        if (it == begun.end()) {
            kept[i] = r.stage == Stage::Completed;  // its beginning is in no log read
            continue;
        }
        const size_t at = it->second;
        begun.erase(it);
        kept[i] = false;
        if (r.stage == Stage::Dropped) {
            kept[at] = false;
            continue;
        }
        records[at] = std::move(r);
        records[at].stage = Stage::Whole;
    }
    std::vector<HistoryRecord> out;
    for (size_t i = 0; i < records.size(); ++i)
        if (kept[i]) out.push_back(std::move(records[i]));
    return out;
}
}  // namespace

std::vector<HistoryRecord> ParseHistory(const std::string& text) { return Paired(ReadRecords(text)); }

bool AppendHistoryRecord(FileSystem& files, const std::string& logPath, const HistoryRecord& record) {
    return AppendToRotatingLog(files, logPath, FormatHistoryRecord(record), kHistoryLogLimit);
}

std::vector<HistoryRecord> ReadHistory(FileSystem& files, const std::string& logPath) {
    std::vector<HistoryRecord> records = ReadRecords(files.ReadFile(OlderLogPath(logPath)).value_or(""));
    std::vector<HistoryRecord> current = ReadRecords(files.ReadFile(logPath).value_or(""));
    records.insert(records.end(), std::make_move_iterator(current.begin()), std::make_move_iterator(current.end()));
    records = Paired(std::move(records));
    std::reverse(records.begin(), records.end());
    return records;
}

}  // namespace brisko
