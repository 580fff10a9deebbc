#include "backup/chosen_backup.h"

#include "backup/backup_entries.h"
#include "backup/backup_marks.h"

namespace brisko {

namespace {
constexpr size_t kLargestBackup = 4 * 1024 * 1024;

bool HoldsEveryAlwaysRecordedKey(const profile::ProfileDocument& doc, const OsEdition& running) {
    for (const auto& k : KeysEveryBackupHolds(running))
        if (!doc.Read(k.section, k.key)) return false;
    return true;
}
// A backup whose every text fits its entry, or Damaged: a restore writes
// all of it or nothing.
ChosenBackup Checked(ChosenBackup chosen, const OsEdition& running) {
    if (chosen.check != BackupCheck::Backup) return chosen;
    chosen.damaged = DamagedRow(running, SourceOf(chosen.entries));
    if (!chosen.damaged.empty()) chosen.check = BackupCheck::Damaged;
    return chosen;
}
}  // namespace

std::string WindowsName(const std::string& editionOrFamily) {
    if (editionOrFamily == "2k") return "Windows 2000";
    if (editionOrFamily == "9x") return "Windows 95/98/Me";
    return "Windows " + editionOrFamily;
}

std::string FamilyOf(const std::string& editionOrFamily) {
    for (const char* e : {"95", "98", "Me", "9x"})
        if (editionOrFamily == e) return "9x";
    for (const char* e : {"NT", "2k", "XP"})
        if (editionOrFamily == e) return "NT";
    return "";
}

std::string RecordedEdition(const OsEdition& os) { return os.edition.empty() ? os.family : os.edition; }

ChosenBackup RecogniseBackup(const std::string& bytes, const OsEdition& running) {
    ChosenBackup chosen;
    if (bytes.size() > kLargestBackup) return chosen;
    const bool utf16 = bytes.size() >= 2 && bytes.compare(0, 2, "\xFF\xFE") == 0;
    if (!utf16 && bytes.find('\0') != std::string::npos) return chosen;
    chosen.entries = profile::ProfileDocument::Parse(bytes);
    const auto& doc = chosen.entries;
    if (doc.Read(backupmark::kOpenSection, backupmark::kOpenKey)) {
        chosen.madeOn = doc.Read(backupmark::kOpenSection, backupmark::kEditionKey).value_or("");
        const std::string family = FamilyOf(chosen.madeOn);
        if (!doc.Read(backupmark::kCloseSection, backupmark::kCloseKey)) chosen.check = BackupCheck::Incomplete;
        else if (!family.empty() && family != running.family) chosen.check = BackupCheck::OtherFamily;
        else chosen.check = BackupCheck::Backup;
        return Checked(std::move(chosen), running);
    }
    if (!doc.Read("システム", "1")) return chosen;
    // An older file has no closing mark: it is trusted only when it holds what
    // every backup of this edition holds, so that a fragment never passes for
    // a backup in which everything else was absent.
    chosen.check = HoldsEveryAlwaysRecordedKey(doc, running) ? BackupCheck::Backup : BackupCheck::EntriesMissing;
    return Checked(std::move(chosen), running);
}

ChosenBackup ReadChosenBackup(FileSystem& files, const std::string& path, const OsEdition& running) {
    const auto attrs = files.GetAttributes(path);
    if (!attrs || (*attrs & fileattr::kDirectory)) return {};
    const auto bytes = files.ReadFile(path, kLargestBackup);
    if (!bytes) return {BackupCheck::Unreadable, "", {}};
    return RecogniseBackup(*bytes, running);
}

}  // namespace brisko
