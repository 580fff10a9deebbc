#pragma once
// A change to the machine (an apply or a restore) between a System Restore
// point and a history record: the restore point is asked for before the
// first write and ended after the last, or cancelled when nothing was
// written and the point is known to be this run's own (Windows 8 and later
// answer with an earlier point of the last 24 hours instead of a new one); every write, with what it replaced, goes into the history log.
// The record is begun before anything else (naming the backup made just
// before), so that a change cut short by a crash still leads to its backup,
// and completed after the last write.
// Neither may stop the change: a declined restore point is said in the final
// message, a history log that cannot be written too.
#include <functional>
#include <string>
#include <vector>

#include "backup/change_history.h"
#include "backup/chosen_backup.h"
#include "engine/program_context.h"

namespace brisko {

inline constexpr const char* kRestorePointDescription = "Brisko による設定変更の前";

class RecordedChange {
public:
    // action names the change in the record ("高速化", "復元 (/restore)", ...);
    // backup is the file made just before it (empty when none).
    RecordedChange(ProgramContext& ctx, std::string action, std::string backup, std::string restoredFrom = "");
    RecordedChange(const RecordedChange&) = delete;
    RecordedChange& operator=(const RecordedChange&) = delete;

    // An apply that writes nothing leaves no record: its backup is then
    // removed by the caller, and no record may name it.
    void RecordOnlyWhatWrote() { onlyWhatWrote_ = true; }

    // Called once the record is begun, before the first write: a caller
    // with a log of its own begins its trace there too.
    void OnBegun(std::function<void()> begun) { begun_ = std::move(begun); }

    // Runs the writes between the restore point and the record. A refusal
    // thrown out of them is recorded against the last write and thrown on.
    void Run(const std::function<void()>& writes);
    // Whether a write reached the machine (or a refusal stopped the writes).
    bool Wrote() const { return wrote_; }
    // An item of its own in the record, for a change made by a tool whose
    // writes the program does not see (the mail rules' import).
    void AddItem(HistoryItem item) { added_.push_back(std::move(item)); }

    // What the final message adds: the restore point that Windows declined,
    // a history log that could not be written; empty when all went well.
    std::string Note() const { return note_; }
    // The restore point's result and the record, as written.
    const HistoryRecord& Record() const { return record_; }

private:
    void Finish(const std::string& error);

    ProgramContext& ctx_;
    HistoryRecord record_;
    RestorePointStart point_;
    bool pointIsNew_ = false;  // known to be this run's own: only then may it be cancelled
    bool onlyWhatWrote_ = false, wrote_ = false;
    std::vector<HistoryItem> added_;
    std::string note_;
    std::function<void()> begun_;
};

// Whether the program asks Windows for restore points here: not before
// Windows XP, nor where the preferences switch it off.
bool RestorePointsWanted(ProgramContext& ctx);

// A restore, as its final message tells it.
struct RestoreOutcome {
    std::string backup;  // the backup of the state it replaced; empty when automatic backups are off
    std::string note;    // a declined restore point or an unwritten history
};

// Restores the checked backup inside a recorded change (the users' blocks
// to `users`, or each to its own user), first backing up the state it
// replaces, the users' hives it writes included (unless automatic backups are
// switched off), so that the restore can be undone in turn. `begun`, when
// given, gets that backup before the first write.
struct RestoreTargets;
RestoreOutcome RestoreRecorded(ProgramContext& ctx, const ChosenBackup& backup, const std::string& path,
                               const std::string& action,
                               const std::function<void(const std::string&)>& begun = nullptr,
                               const RestoreTargets* users = nullptr);
// What the final message adds about that backup; empty when none was made.
std::string RestoreBackupNote(const RestoreOutcome& outcome);

// The questions before the restore of a chosen file: a file that is no
// complete backup for this computer and Windows gets its warning, any other
// the question naming it, followed by `alsoUndone` (the later changes the
// restore undoes too, see history_restore.h). True when the restore command may run.
bool ConfirmRestore(ProgramContext& ctx, const std::string& path, const std::string& alsoUndone = "");

}  // namespace brisko
