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

// Which part of the items a .reg holds: the machine's settings (what a
// start-up script may import), a user's (for a logon script or Group
// Policy's User Configuration), or the Default profile's for new users
// (under HKEY_USERS\BriskoDefault, loaded there with reg load).
enum class RegPart { Machine, User, DefaultUser };

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

// The writes of optimising every enabled, ticked item of the part (and
// listed service, while the services page is available, in the machine's
// part); unticked items are left out, as undoing them depends on each
// machine's own backup, and the comment says so. An item that also edits
// files or runs commands, which no .reg can, is named with its label and
// what it does in a comment line. The machine's part names the ticked
// per-user items it leaves out and where they belong; the users' part says
// where it belongs (a logon script, Group Policy's User Configuration,
// never a start-up script); the Default profile's holds HKEY_USERS\BriskoDefault
// keys and says how to load and unload the hive there.
std::string ExportTicksAsReg(ProgramContext& ctx, RegPart part = RegPart::Machine);

// The same for a loaded plan: only the items and services the plan names and
// ticks. What the exporting machine has optimised besides is not the plan's
// and is left out, so the file writes what /apply of the plan writes.
std::string ExportPlanAsReg(ProgramContext& ctx, const PlanLoad& plan, RegPart part = RegPart::Machine);

// What restoring that backup would write; its file edits and commands as
// comment lines. Empty of values unless the backup may be restored here.
// Each user block's values are named under HKEY_USERS\<SID> (an older
// backup's, HKEY_CURRENT_USER, as its rows are the importing user's).
std::string ExportBackupAsReg(ProgramContext& ctx, const ChosenBackup& backup);

// Writes the text as UTF-16LE with a byte order mark and CR LF line ends,
// whole or not at all; throws BriskoError when the file cannot be written.
void WriteRegFile(FileSystem& files, const std::string& path, const std::string& text);

}  // namespace brisko
