#pragma once
// What a backup holds, as one table that both the writer and the restore
// walk in the same order: each row records its key(s) from the machine and
// puts the machine back from them.
#include <functional>
#include <string>
#include <vector>

#include "backup/typed_value.h"
#include "engine/program_context.h"
#include "platform/profile/profile_document.h"

namespace brisko {

// Stores one recorded text; "NULL" stores nothing.
using BackupRecorder = std::function<void(const std::string& section, const std::string& key, const std::string& text)>;

// The backup being restored: a key's text ("NULL" when absent) and a section's keys.
struct BackupSource {
    std::function<std::string(const std::string& section, const std::string& key)> read;
    std::function<std::vector<std::string>(const std::string& section)> keys;
};

struct BackupKey {
    std::string section, key;
};

// A recorded text a restore parses, and the kind it must fit (see FitsKind).
struct RecordedKind {
    std::string section, key;
    std::string_view kind;
};

struct BackupEntry {
    std::function<void(ProgramContext& ctx, const BackupRecorder& record)> record;
    std::function<void(ProgramContext& ctx, const BackupSource& backup)> restore;
    // The keys this row records on every machine of the edition, whatever
    // its state (existence flags, a value Windows cannot start without).
    std::function<std::vector<BackupKey>(const OsEdition& os)> alwaysHeld = nullptr;
    // The texts this row's restore parses on the edition, each with its kind.
    std::function<std::vector<RecordedKind>(const OsEdition& os, const BackupSource& backup)> kinds = nullptr;
};

// The rows for the running edition, in file order.
std::vector<BackupEntry> BackupEntries();

// The backup's texts as the restore reads them.
BackupSource SourceOf(const profile::ProfileDocument& doc);

// The first recorded text that does not fit its row's kind, as
// "[section] key=text"; empty when every one fits. A restore checks this
// before its first write, so that a damaged file changes nothing.
std::string DamagedRow(const OsEdition& os, const BackupSource& backup);

// The keys that every backup made on this edition holds: a file without its
// opening mark is trusted only when it has them all.
std::vector<BackupKey> KeysEveryBackupHolds(const OsEdition& os);

}  // namespace brisko
