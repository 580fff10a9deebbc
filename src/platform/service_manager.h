#pragma once
// The service control manager: the state of services, by key name.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace brisko {

enum class ServiceState {
    Unknown = 0,  // the manager or the service cannot be opened, or the query failed
    Stopped = 1,
    StartPending = 2,
    StopPending = 3,
    Running = 4,
    ContinuePending = 5,
    PausePending = 6,
    Paused = 7,
};

class ServiceManager {
public:
    virtual ~ServiceManager() = default;
    // One service, opened with full access.
    virtual ServiceState QueryState(const std::string& keyName) = 0;
    // Every service the manager lists, in one round trip; nullopt when the
    // manager cannot be opened with full access.
    virtual std::optional<std::vector<std::pair<std::string, ServiceState>>> EnumerateStates() = 0;
    // A text value of the service's registry key that names its text
    // indirectly ("@%SystemRoot%\\system32\\x.dll,-123"), read through the
    // system's string redirection; nullopt when it cannot be resolved.
    virtual std::optional<std::string> IndirectText(const std::string& keyName, const std::string& valueName) = 0;
    // The display names of the services that depend on this one and are not
    // stopped (those a stop would have to stop as well); nullopt when the
    // manager cannot tell.
    virtual std::optional<std::vector<std::string>> ActiveDependents(const std::string& keyName) = 0;
};

// "停止中", "開始中", ... and "不明".
std::string ServiceStatusText(ServiceState state);

}  // namespace brisko
