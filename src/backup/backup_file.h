#pragma once
// Backup files: writing one whole, recognising one, restoring from one.
#include <string>

#include "engine/program_context.h"

namespace brisko {

// "backup_2009-04-18_07h05m09s.ini"
std::string BackupFileName(const LocalTime& t);
// The "backups" folder beside the executable.
std::string BackupsFolder(const ProgramContext& ctx);

// Records every entry and writes the file in one go, replacing any file of
// that name: a backup is complete or not there at all. Throws BriskoError
// when the file cannot be written.
void WriteBackupFile(ProgramContext& ctx, const std::string& path);

// A new dated backup in the backups folder; returns its path. Unless quiet,
// says where it went (the backup button passes quiet when information
// messages are switched off).
std::string CreateBackup(ProgramContext& ctx, bool quiet);

enum class BackupCheck { Backup, NotABackup, Incomplete };
// A backup has key "1" of section "システム" (older files) or this program's
// opening mark; one with the opening mark but not the closing one was cut
// short. Files too large to be a backup, or holding NUL bytes (outside a
// UTF-16 file), are no backup.
BackupCheck CheckBackupFile(FileSystem& files, const std::string& path);

// Writes every recorded value back. A refused write throws BriskoError and
// ends the restore at that entry.
void RestoreFromBackup(ProgramContext& ctx, const std::string& path);

}  // namespace brisko
