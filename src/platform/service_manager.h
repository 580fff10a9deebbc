#pragma once
// The service control manager: the state of services, by key name, and the
// few changes the program makes to them. Every change goes through the
// manager, which also keeps the service's registry entry; nothing writes a
// service's "Start" value around it.
#include <chrono>
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

// What became of a request to change a service.
struct ServiceAnswer {
    enum class Kind {
        Done,
        Refused,   // the manager or the service would not do it (access, control not accepted, disabled)
        TimedOut,  // asked, but the service did not reach the state within the bound
        Failed,    // any other error
    };
    Kind kind = Kind::Done;
    unsigned long code = 0;  // the system's error code, where it gave one
    bool Done() const { return kind == Kind::Done; }
};

// What the manager lets this process do with a service.
struct ServiceAccess {
    bool stopAndChange = false;    // it opens the service to stop it and change its configuration
    bool launchProtected = false;  // 8.1 and later: only a protected process may control or change it
    bool Changeable() const { return stopAndChange && !launchProtected; }
};

// How long a stop or a start is waited for.
inline constexpr std::chrono::milliseconds kServiceWait{30'000};

class ServiceManager {
public:
    virtual ~ServiceManager() = default;
    // One service, opened only to query its status.
    virtual ServiceState QueryState(const std::string& keyName) = 0;
    // Every service the manager lists, in one round trip; nullopt when the
    // manager cannot be enumerated.
    virtual std::optional<std::vector<std::pair<std::string, ServiceState>>> EnumerateStates() = 0;
    // A text value of the service's registry key that names its text
    // indirectly ("@%SystemRoot%\\system32\\x.dll,-123"), read through the
    // system's string redirection; nullopt when it cannot be resolved.
    virtual std::optional<std::string> IndirectText(const std::string& keyName, const std::string& valueName) = 0;
    // The display names of the services that depend on this one and are not
    // stopped (those a stop would have to stop as well); nullopt when the
    // manager cannot tell.
    virtual std::optional<std::vector<std::string>> ActiveDependents(const std::string& keyName) = 0;

    // The start type the manager holds (2 automatic, 3 manual, 4 disabled);
    // nullopt when it cannot be read.
    virtual std::optional<unsigned long> StartType(const std::string& keyName) = 0;
    virtual ServiceAccess Access(const std::string& keyName) = 0;
    // Asks the service to stop and waits until it has, at most `bound`; one
    // already stopped counts as done.
    virtual ServiceAnswer StopAndWait(const std::string& keyName, std::chrono::milliseconds bound) = 0;
    // Starts the service and waits until it runs, at most `bound`; one
    // already running counts as done.
    virtual ServiceAnswer StartAndWait(const std::string& keyName, std::chrono::milliseconds bound) = 0;
    virtual ServiceAnswer ChangeStartType(const std::string& keyName, unsigned long startType) = 0;
    // Pauses a running service, or lets a paused one go on, and waits until
    // it has, at most `bound` (a restore puts a paused service back so).
    virtual ServiceAnswer PauseAndWait(const std::string& keyName, std::chrono::milliseconds bound) = 0;
    virtual ServiceAnswer ContinueAndWait(const std::string& keyName, std::chrono::milliseconds bound) = 0;
};

// "停止中", "開始中", ... and "不明".
std::string ServiceStatusText(ServiceState state);

// Why a request was not done, for a message ("拒否されました",
// "30 秒以内に終わりませんでした", "エラー 1053"); empty for one that was.
std::string ServiceAnswerText(const ServiceAnswer& answer);

}  // namespace brisko
