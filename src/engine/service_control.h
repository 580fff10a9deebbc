#pragma once
// Stopping a service for good and starting it again, as the services page,
// the Security Center item and the restore do: through the service manager
// only, by the service's key name, each stop and start waited for within its
// bound. The former start type is kept in a preferences section under the
// display name. Whatever is refused, or does not end in time, is said to the
// user naming the service, and nothing that did not take counts as done.
#include <optional>
#include <string>
#include <string_view>

#include "engine/program_context.h"

namespace brisko {

inline constexpr const char* kServicesKey = "\\SYSTEM\\CurrentControlSet\\Services";

// A service as the messages name it: "'Windows Audio' (AudioSrv)".
struct NamedService {
    std::string keyName;
    std::string displayName;
};

// A display name that cannot serve as the key its start type is kept under,
// nor stand in quotes in a message: one with a double quote or a line break.
bool UnsafeForCommandLine(const std::string& displayName);

// Whether the service manager lets the program stop and reconfigure the
// service (it opens it for both, and it is not launch-protected).
bool ManagerAllowsChange(ProgramContext& ctx, const std::string& keyName);

// Stops the service and waits, keeps its start type, then sets it to manual
// (3). False, after telling the user, when the name is unsafe, a dependent
// runs (a stop would have to stop it too), the manager refuses, or the stop fails or does not end in time:
// nothing is changed then. A start type the manager refuses after the stop
// is told too, and the service is started again.
bool StopServiceKeepingStartType(ProgramContext& ctx, const NamedService& service, std::string_view memorySection);
// Puts the kept start type back (3 when none was kept), then starts the
// service and waits. False, after telling the user, when anything of it is
// refused or does not end in time.
bool StartServiceRestoringStartType(ProgramContext& ctx, const NamedService& service,
                                    std::string_view memorySection);

// A service put into a state (stopped, running or paused; nullopt: as it
// is) and start type (nullopt: as it is), in the safe order: the stop before
// the start type, the start type before the start (and a pause after it).
// Every refusal is a warning naming the service (a restore goes on with the
// other rows); false then.
bool PutServiceBack(ProgramContext& ctx, const NamedService& service, std::optional<ServiceState> state,
                    std::optional<unsigned long> startType);

}  // namespace brisko
