#pragma once
// The computer and the Windows a backup or a history record was made on.
// A backup puts back values that belong to one machine and one Windows build
// (the csrss command line, service start types, paths): it is restored only
// there.
#include <optional>
#include <string>

#include "engine/program_context.h"
#include "platform/modern_windows.h"

namespace brisko {

struct MachineIdentity {
    OsEdition os;
    std::string computer;    // the name this session knows (GetComputerNameW)
    std::string registered;  // the name the registry keeps (the PC information page's); "NULL" when absent
    WindowsBuild build;      // as RtlGetVersion gives it
};

MachineIdentity IdentityOf(ProgramContext& ctx);

// "5.1.2600", and back; nullopt for any other text.
std::string BuildText(const WindowsBuild& build);
std::optional<WindowsBuild> ParseBuildText(const std::string& text);
bool SameBuild(const WindowsBuild& a, const WindowsBuild& b);

// Whether a recorded computer name is this computer's: its name now, or the
// one it takes at the next start (a rename waits for a restart), compared as
// Windows compares computer names, without regard to case.
bool NamesThisComputer(const MachineIdentity& here, const std::string& name);

}  // namespace brisko
