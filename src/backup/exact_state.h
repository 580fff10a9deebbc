#pragma once
// What a backup keeps beyond its rows' texts, so that a restore puts the
// machine back exactly as it was: the keys that were not there (deleted
// again when a change made them and left them empty), whole keys an item
// deletes (with every value's type and bytes), and the attributes of the
// files the items edit. Each lives in a section of its own, which older
// readers pass over; the opening section says that absence is recorded, so
// that in such a backup an absent value comes back absent, where an older
// backup's missing entry still restores its row's default.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "backup/backup_entries.h"

namespace brisko {

// Whether the backup records absence (made by this version or a later one).
bool RecordsAbsence(const BackupSource& backup);
// The opening section's mark of it, written by the writer.
void MarkRecordsAbsence(const BackupRecorder& record);

// Keys that were looked for and not found: each with how many levels of it
// were missing ("HKLM\SOFTWARE\Policies\...\AU" = 5 when Policies was the
// first missing one).
void RecordAbsentKeys(ProgramContext& ctx, const std::vector<std::pair<RegRoot, std::string>>& absent,
                      const BackupRecorder& record);
// Deletes each of them that is there now without values or subkeys, and
// each of its missing parents that is then empty, deepest first.
void DeleteKeysThatWereAbsent(ProgramContext& ctx, const BackupSource& backup);

// A key kept whole for a row ("エクスプローラ.3"), nothing when it is absent.
void RecordKeyTree(ProgramContext& ctx, const BackupRecorder& record, const std::string& row, RegRoot root,
                   const std::string& keyPath);
// Makes the key exactly as kept, deleting what is not in it; false (nothing
// done) when the backup kept none for the row.
bool RestoreKeyTree(ProgramContext& ctx, const BackupSource& backup, const std::string& row, RegRoot root,
                    const std::string& keyPath);

// The read-only, hidden, system and archive attributes of the boot file and
// sysoc.inf, put back after the rows have written them.
void RecordFileAttributes(ProgramContext& ctx, const BackupRecorder& record);
void RestoreFileAttributes(ProgramContext& ctx, const BackupSource& backup);

// A value or a key a row's item deletes or writes by hand, and the key it
// is kept under ("デスクトップ.9a"): a value with its type and bytes in the
// typed values' section, a key whole in a section of its own.
struct ExactValue {
    std::string id;
    RegRoot root;
    std::string keyPath, name;
};
struct ExactKey {
    std::string id;
    RegRoot root;
    std::string keyPath;
};
// The row, recording these as well; restoring a backup that records
// absence, it puts them back exactly instead of by its own rule (a value
// or key not kept was absent, and is deleted), with `before` and `after`
// around that. An older backup is restored by the row's own rule.
using RowStep = std::function<void(ProgramContext& ctx, const BackupSource& backup)>;
BackupEntry KeptExactly(BackupEntry row, std::vector<ExactValue> values, std::vector<ExactKey> keys = {},
                        RowStep before = nullptr, RowStep after = nullptr);

// A value put back as it was: written only when it differs, deleted only
// when it was absent and is there (nullopt: absent).
void PutValueBack(ProgramContext& ctx, RegRoot root, const std::string& keyPath, const std::string& name,
                  const std::optional<RegValueData>& value);

// The first text of these sections a restore could not use, as
// "[section] key=text"; empty when every one fits.
std::string DamagedExactRow(const BackupSource& backup);

}  // namespace brisko
