#pragma once
// The history of every change the program made to the machine: one record
// per apply or restore in backups\brisko-history.log, read back for the
// history page. Lines are tab-separated fields after a tag:
//
//   ==== 2026-12-07 03:01:02<TAB>高速化
//   状態<TAB>開始<TAB><id>                                           (added later, see Stage)
//   コンピュータ<TAB>YAMADA-PC<TAB>5.1.2600                          (added later: older records lack it)
//   ユーザー<TAB>HKEY_USERS\S-1-5-21-…<TAB>S-1-5-21-…<TAB>PC\taro       (added later: one per user hive written)
//   バックアップ<TAB>C:\...\backups\backup_2026-12-07_03h01m01s.ini   ("なし" when none)
//   復元元<TAB><file>                                               (restores only)
//   復元ポイント<TAB>作成しました (番号 12)
//   項目<TAB>[システム] <label>
//   値<TAB>HKEY_...\key\name<TAB><text before><TAB><text after>
//   失敗<TAB><what failed, or empty for the item><TAB><error text>
//   (an empty line ends the record)
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace brisko {

struct HistoryValue {
    std::string target, before, after;
    std::string failure;  // the error text when this write failed
    bool operator==(const HistoryValue&) const = default;
};

struct HistoryItem {
    std::string label;
    std::vector<HistoryValue> values;
    std::string failure;  // the error text when the item as a whole failed
    bool operator==(const HistoryItem&) const = default;
};

// A user's hive a change wrote: where, and whose.
struct HistoryUser {
    std::string key;  // "HKEY_USERS\S-1-5-21-…" or "HKEY_USERS\Brisko-S-1-5-21-…" (loaded for the change)
    std::string sid, account;
    bool operator==(const HistoryUser&) const = default;
};

struct HistoryRecord {

    std::string when;          // "2026-12-07 03:01:02"
    std::string action;        // "高速化", "復元", with "(/apply)" and the like from the command line
    std::string backup;        // the backup made just before; empty when none
    std::string restoredFrom;  // a restore's file
    std::string restorePoint;  // the restore point's result in words
    std::vector<HistoryItem> items;
    std::string computer;  // the computer it was made on; empty in older records
    std::string windows;   // and its Windows build, "5.1.2600"
    // A change writes its record twice under one id: begun, before its first
    // write, and completed after its last (or dropped, when it wrote nothing
    // and leaves no record). Read back, the completion takes the begun
    // record's place and the pair is one whole record; a begun record left
    // without its completion is a change that was cut short. Older records
    // are whole.
    enum class Stage { Whole, Begun, Completed, Dropped };
    Stage stage = Stage::Whole;
    std::string id;
    bool Interrupted() const { return stage == Stage::Begun; }
    std::vector<HistoryUser> users;  // the users' hives written; empty in older records
    bool operator==(const HistoryRecord&) const = default;
};

// "<backups folder>\\brisko-history.log".
std::string HistoryLogPath(const std::string& backupsFolder);
// Where the log is cut over to its older file.
inline constexpr size_t kHistoryLogLimit = 1024 * 1024;

// The record as lines, CRLF, ending with an empty line. Tabs and line breaks
// inside a field become spaces.
std::string FormatHistoryRecord(const HistoryRecord& record);
// The records in the text, in file order, each begun record and its
// completion made one. Never fails: lines it does not know are passed over, a
// record cut short keeps what it has.
std::vector<HistoryRecord> ParseHistory(const std::string& text);

// Appends the record; false when the log could not be written.
bool AppendHistoryRecord(FileSystem& files, const std::string& logPath, const HistoryRecord& record);
// Both files' records, newest first (a change begun before the log was cut
// over and completed after it is one record).
std::vector<HistoryRecord> ReadHistory(FileSystem& files, const std::string& logPath);

}  // namespace brisko
