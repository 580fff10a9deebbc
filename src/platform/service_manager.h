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
};

// "停止中", "開始中", ... and "不明".
std::string ServiceStatusText(ServiceState state);

}  // namespace brisko
