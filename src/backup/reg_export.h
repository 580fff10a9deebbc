#pragma once
// Registry files (.reg) for regedit and Group Policy: the values that applying
// the ticks, or restoring a backup, would write or delete, found by rehearsing
// that action.
#include <string>
#include <vector>

#include "backup/chosen_backup.h"
#include "backup/tweak_plan.h"
#include "engine/program_context.h"

namespace brisko {

// "Windows Registry Editor Version 5.00" text from recorded writes, in their
// order (regedit replays them so, later ones winning): [HKEY_…\key] sections,
// "Name"=- for a deleted value, [-HKEY_…\key] for a deleted key, "@" for the
// unnamed value, values by type (a string quoted and escaped, dword:, hex:,
// hex(2): ...); the comment lines ("; …") first. File writes are left out.
// As regedit opens a key to delete a value in it, such a key missing on the
// importing machine is left there, empty.
// Lines end with LF; WriteRegFile makes them CR LF. A key or value name the
// file cannot hold (a line break, NUL, unpaired surrogate, or a key ending
// in ']') throws BriskoError: no line is ever written that the file did not mean.
std::string RegFileText(const std::vector<RecordedWrite>& writes, const std::vector<std::string>& comments);

// The writes of optimising every enabled, ticked item (and listed service,
// while the services page is available); unticked items are left out, as
// undoing them depends on each machine's own backup, and the comment says so.
// An item that also edits files or runs commands, which no .reg can, is
// named with its label and what it does in a comment line.
std::string ExportTicksAsReg(ProgramContext& ctx);

// The same for a loaded plan: only the items and services the plan names and
// ticks. What the exporting machine has optimised besides is not the plan's
// and is left out, so the file writes what /apply of the plan writes.
std::string ExportPlanAsReg(ProgramContext& ctx, const PlanLoad& plan);

// What restoring that backup would write; its file edits and commands as
// comment lines. Empty of values unless the backup may be restored here.
std::string ExportBackupAsReg(ProgramContext& ctx, const ChosenBackup& backup);

// Writes the text as UTF-16LE with a byte order mark and CR LF line ends,
// whole or not at all; throws BriskoError when the file cannot be written.
void WriteRegFile(FileSystem& files, const std::string& path, const std::string& text);

}  // namespace brisko
