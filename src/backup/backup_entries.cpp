#include "backup/backup_entries.h"

#include "backup/backup_rows.h"
#include "backup/exact_state.h"
#include "backup/service_entries.h"
#include "backup/typed_value.h"

namespace brisko {

std::vector<BackupEntry> BackupEntries() {
    std::vector<BackupEntry> all;
    using namespace backup_rows;
    for (auto part : {SystemEntries(), DesktopEntries(), ExplorerEntries(), PowerEntries(), OthersEntries()})
        for (auto& entry : part) all.push_back(std::move(entry));
    all.push_back(ServicesPageEntry());
    all.push_back(PcInformationEntries());
    return all;
}

BackupSource SourceOf(const profile::ProfileDocument& doc) {
    return {[&doc](const std::string& section, const std::string& key) {
                return doc.Read(section, key).value_or(std::string(kNullText));
            },
            [&doc](const std::string& section) { return doc.Keys(section); }};
}

std::string DamagedRow(const OsEdition& os, const BackupSource& backup) {
    for (const auto& entry : BackupEntries()) {
        if (!entry.kinds) continue;
        for (const auto& k : entry.kinds(os, backup))
            if (const std::string text = backup.read(k.section, k.key); !FitsKind(k.kind, text))
                return "[" + k.section + "] " + k.key + "=" + text;
    }
    return DamagedExactRow(backup);
}

std::vector<BackupKey> KeysEveryBackupHolds(const OsEdition& os) {
    std::vector<BackupKey> keys;
    for (const auto& entry : BackupEntries())
        if (entry.alwaysHeld)
            for (auto& key : entry.alwaysHeld(os)) keys.push_back(std::move(key));
    return keys;
}

}  // namespace brisko
