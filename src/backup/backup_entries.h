#pragma once
// What a backup holds, as one table that both the writer and the restore
// walk in the same order: each row records its key(s) from the machine and
// puts the machine back from them.
#include <functional>
#include <string>
#include <vector>

#include "engine/program_context.h"

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

struct BackupEntry {
    std::function<void(ProgramContext& ctx, const BackupRecorder& record)> record;
    std::function<void(ProgramContext& ctx, const BackupSource& backup)> restore;
    // The keys this row records on every machine of the edition, whatever
    // its state (existence flags, a value Windows cannot start without).
    std::function<std::vector<BackupKey>(const OsEdition& os)> alwaysHeld = nullptr;
};

// The rows for the running edition, in file order.
std::vector<BackupEntry> BackupEntries();

// The keys that every backup made on this edition holds: a file without its
// opening mark is trusted only when it has them all.
std::vector<BackupKey> KeysEveryBackupHolds(const OsEdition& os);

}  // namespace brisko
