#include "backup/chosen_backup.h"

#include "backup/backup_entries.h"
#include "backup/backup_marks.h"
#include "backup/hive_backup.h"

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
    if (chosen.damaged.empty()) chosen.damaged = DamagedBlockRow(running, chosen.entries);
    if (!chosen.damaged.empty()) chosen.check = BackupCheck::Damaged;
    return chosen;
}
// A backup from another computer or another Windows build is refused: its
// values (the csrss line, start types, paths) belong to that machine. Older
// backups name no build, and name the computer only in their PC information.
ChosenBackup FromHere(ChosenBackup chosen, const MachineIdentity& here) {
    if (chosen.check != BackupCheck::Backup) return chosen;
    const auto& doc = chosen.entries;
    for (const auto& name : {doc.Read(backupmark::kOpenSection, backupmark::kComputerKey), doc.Read("パソコン情報", "3")})
        if (name && !name->empty() && !NamesThisComputer(here, *name)) {
            chosen.check = BackupCheck::OtherComputer;
            chosen.madeOnComputer = *name;
            return chosen;
        }
    if (const auto build = doc.Read(backupmark::kOpenSection, backupmark::kBuildKey)) {
        const auto made = ParseBuildText(*build);
        if (!made || !SameBuild(*made, here.build)) {
            chosen.check = BackupCheck::OtherBuild;
            chosen.madeOnBuild = *build;
        }
    }
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

ChosenBackup RecogniseBackup(const std::string& bytes, const MachineIdentity& here) {
    ChosenBackup chosen;
    const OsEdition& running = here.os;
    if (bytes.size() > kLargestBackup) return chosen;
    const bool utf16 = bytes.size() >= 2 && bytes.compare(0, 2, "\xFF\xFE") == 0;
    if (!utf16 && bytes.find('\0') != std::string::npos) return chosen;
    chosen.entries = profile::ProfileDocument::Parse(bytes);
    const auto& doc = chosen.entries;
    const bool marked = doc.Read(backupmark::kOpenSection, backupmark::kOpenKey).has_value();
    if (!marked && !doc.Read("システム", "1")) return chosen;
    if (const auto crowded = doc.CrowdedSection()) {
        chosen.check = BackupCheck::Crowded;
        chosen.damaged = profile::CrowdedRefusal("バックアップ", *crowded);
        return chosen;
    }
    if (marked) {
        chosen.madeOn = doc.Read(backupmark::kOpenSection, backupmark::kEditionKey).value_or("");
        const std::string family = FamilyOf(chosen.madeOn);
        if (!doc.Read(backupmark::kCloseSection, backupmark::kCloseKey)) chosen.check = BackupCheck::Incomplete;
        else if (!family.empty() && family != running.family) chosen.check = BackupCheck::OtherFamily;
        else chosen.check = BackupCheck::Backup;
    } else {
        // An older file has no closing mark: it is trusted only when it holds what
        // every backup of this edition holds, so that a fragment never passes for
        // a backup in which everything else was absent.
        chosen.check = HoldsEveryAlwaysRecordedKey(doc, running) ? BackupCheck::Backup : BackupCheck::EntriesMissing;
    }
    return Checked(FromHere(std::move(chosen), here), running);
}

ChosenBackup ReadChosenBackup(FileSystem& files, const std::string& path, const MachineIdentity& here) {
    const auto attrs = files.GetAttributes(path);
    if (!attrs || (*attrs & fileattr::kDirectory)) return {};
    const auto bytes = files.ReadFile(path, kLargestBackup);
    if (!bytes) return {BackupCheck::Unreadable, "", {}, "", "", ""};
    return RecogniseBackup(*bytes, here);
}

}  // namespace brisko
