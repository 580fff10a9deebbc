#pragma once
// The switches that run one task without the main window, for administrators
// and deployment tools.
#include <optional>
#include <string>
#include <vector>

#include "backup/reg_export.h"
#include "engine/user_targets.h"

namespace brisko {

enum class CommandKind {
    Window,      // no switches: the program as usual
    Usage,       // /?
    Invalid,     // switches that make no command; `error` says why
    Apply,       // /apply PLAN [/quiet] [/user:…]
    Backup,      // /backup [FOLDER] [/user:…]
    Restore,     // /restore BACKUP [/user:…]
    ExportPlan,  // /export-plan FILE
    ExportReg,   // /export-reg FILE [PLAN|BACKUP] [/user | /user:default]
    Check,       // /check PLAN [/quiet] [/user:…]: read only
    Effect,      // /effect [/csv]: Windows' start and shutdown times around each change
};

struct Command {
    CommandKind kind = CommandKind::Window;
    std::string file;    // the plan, folder, backup or file written
    std::string source;  // /export-reg's plan or backup; empty for the current machine
    bool quiet = false;  // nothing on the console; the log file still gets everything
    // /user:… of /apply, /check, /restore and /backup: the users whose
    // settings the per-user items are; none given, the command decides.
    std::optional<UserChoice> users;
    RegPart regPart = RegPart::Machine;  // /export-reg: /user, /user:default
    bool csv = false;    // /effect as CSV
    std::string error;
};

// Exit codes of a command. /check ends with kExitDiffers when the machine
// does not match the plan, /effect when Windows has no records of starts; /apply and /restore with kExitRestartNeeded when
// they did their work and Windows must restart for it to show (the code
// installers use, which deployment tools read as such).
inline constexpr int kExitDone = 0, kExitItemsNotSet = 1, kExitRefused = 2, kExitWriteFailed = 3;
inline constexpr int kExitDiffers = 1, kExitNoRecords = 1, kExitRestartNeeded = 3010;

// The arguments after the program's name. Switches begin with '/' or '-' and
// are matched without regard to case.
Command ParseCommandLine(const std::vector<std::string>& args);

// What /? prints.
const std::string& UsageText();

}  // namespace brisko
