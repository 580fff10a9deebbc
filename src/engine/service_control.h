#pragma once
// Stopping a service for good and starting it again, as the services page
// and the Security Center item do: the former start type is kept in a
// preferences section under the display name; the service is stopped or
// started with "net" and not waited for.
#include <string>
#include <string_view>

#include "engine/program_context.h"

namespace brisko {

inline constexpr const char* kServicesKey = "\\SYSTEM\\CurrentControlSet\\Services";

// A display name that could break out of the quotes of a net command line.
bool UnsafeForCommandLine(const std::string& displayName);

// Whether net stop can stop the service without asking anything: no
// dependent of it is running. When one is (or that cannot be told), the user
// is told, naming it, and the answer is false.
bool StopsWithoutQuestion(ProgramContext& ctx, const std::string& keyName, const std::string& shownName);

// Keeps "Start", sets it to 3 (manual), runs net stop "<display name>".
// False (after telling the user) when the display name is unsafe or the stop
// would ask about running dependents; nothing is changed then.
bool StopServiceKeepingStartType(ProgramContext& ctx, const std::string& keyName, const std::string& displayName,
                                 std::string_view memorySection);
// Puts the kept "Start" back (3 when none was kept), runs net start.
bool StartServiceRestoringStartType(ProgramContext& ctx, const std::string& keyName, const std::string& displayName,
                                    std::string_view memorySection);

}  // namespace brisko
