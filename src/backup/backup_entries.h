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

struct BackupEntry {
    std::function<void(ProgramContext& ctx, const BackupRecorder& record)> record;
    std::function<void(ProgramContext& ctx, const BackupSource& backup)> restore;
};

// The rows for the running edition, in file order.
std::vector<BackupEntry> BackupEntries();

}  // namespace brisko
