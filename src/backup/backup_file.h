#pragma once
// Backup files: writing one whole, making a dated one, restoring from one.
#include <string>

#include <optional>
#include <vector>

#include "backup/chosen_backup.h"
#include "backup/hive_restore.h"
#include "engine/program_context.h"

namespace brisko {

// "backup_2009-04-18_07h05m09s.ini"
std::string BackupFileName(const LocalTime& t);
// The "backups" folder beside the executable.
std::string BackupsFolder(const ProgramContext& ctx);

// Records every entry (the users' rows of each of ctx.userHives, see
// hive_backup.h) and writes the file in one go, replacing any file of
// that name: a backup is complete or not there at all. Throws BriskoError
// when the file cannot be written, or when a key it records exists but this
// account may not read it (it would be recorded as absent).
void WriteBackupFile(ProgramContext& ctx, const std::string& path);

// A new dated backup in the backups folder; returns its path. A second one
// within the same second gets a number after the time ("..._07h05m09s_2.ini"),
// never the first one's name. Unless quiet, says where it went (the backup
// button passes quiet when information messages are switched off).
std::string CreateBackup(ProgramContext& ctx, bool quiet);
// The same dated backup in another folder (created, one level, when missing); returns its path.
std::string CreateBackupIn(ProgramContext& ctx, const std::string& folder);

// Writes every recorded value back; does nothing unless the file was
// recognised as a backup for this machine. A refused write throws
// BriskoError and ends the restore at that entry. The users' rows go back
// to the hives `users` names (loaded for the restore where needed; a hive
// that cannot be opened is said as an error and left out); without it, each
// to the user it was made for. A refusal there throws before any write.
void RestoreFromBackup(ProgramContext& ctx, const ChosenBackup& backup);
void RestoreFromBackup(ProgramContext& ctx, const ChosenBackup& backup, const RestoreTargets& users);

// The hives of a restore's user blocks, open for as long as this lives (a
// rehearsal loads none), and ctx.userHives set to them meanwhile, so that a
// backup made then covers every hive the restore writes.
class RestoreHives {
public:
    RestoreHives(ProgramContext& ctx, const RestoreTargets& users);
    ~RestoreHives();
    RestoreHives(const RestoreHives&) = delete;
    RestoreHives& operator=(const RestoreHives&) = delete;
    const std::vector<BlockTarget>& Targets() const { return targets_; }

private:
    ProgramContext& ctx_;
    std::vector<UserHive> before_;
    std::optional<OpenedHives> opened_;
    std::vector<BlockTarget> targets_;
};
// The restore into hives already open.
void RestoreFromBackup(ProgramContext& ctx, const ChosenBackup& backup, const RestoreHives& hives);

}  // namespace brisko
