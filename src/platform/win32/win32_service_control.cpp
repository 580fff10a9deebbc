// The changes the program makes to services, through the service manager:
// each opens the service with only the access it needs, and a stop or start
// is waited for, within its bound.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/win32/service_handle.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_service_manager.h"

namespace brisko::win32 {

namespace {
// Newer than the headers the program is built with (Windows 8.1 and later);
// an older manager answers the query with ERROR_INVALID_LEVEL.
constexpr DWORD kConfigLaunchProtected = 12;  // SERVICE_CONFIG_LAUNCH_PROTECTED
struct LaunchProtectedInfo {
    DWORD dwLaunchProtected;  // 0: SERVICE_LAUNCH_PROTECTED_NONE
};

ServiceAnswer AnswerFor(DWORD error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
        case ERROR_INVALID_SERVICE_CONTROL:
        case ERROR_DEPENDENT_SERVICES_RUNNING:
        case ERROR_SERVICE_DISABLED:
        case ERROR_SERVICE_CANNOT_ACCEPT_CTRL:
            return {ServiceAnswer::Kind::Refused, error};
        case ERROR_SERVICE_REQUEST_TIMEOUT: return {ServiceAnswer::Kind::TimedOut, error};
        default: return {ServiceAnswer::Kind::Failed, error};
    }
}

// The service opened with `access` through a manager opened only to connect.
struct OpenedService {
    OpenedService(const std::string& keyName, DWORD access)
        : manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT)),
          service(manager ? OpenServiceW(manager.get(), Widen(keyName).c_str(), access) : nullptr),
          error(service ? ERROR_SUCCESS : GetLastError()) {}
    ScHandle manager;
    ScHandle service;
    DWORD error;
};

// Polls the status until the service is in `wanted`, at most `bound`. A
// service that stops while it should be starting has failed to start.
ServiceAnswer WaitFor(SC_HANDLE service, DWORD wanted, std::chrono::milliseconds bound) {
    const DWORD begun = GetTickCount();
    for (;;) {
        SERVICE_STATUS status{};
        if (!QueryServiceStatus(service, &status)) return AnswerFor(GetLastError());
        if (status.dwCurrentState == wanted) return {};
        if (wanted == SERVICE_RUNNING && status.dwCurrentState == SERVICE_STOPPED) {
            const DWORD code = status.dwWin32ExitCode == ERROR_SERVICE_SPECIFIC_ERROR ? status.dwServiceSpecificExitCode
                                                                                     : status.dwWin32ExitCode;
            return {ServiceAnswer::Kind::Failed, code ? code : static_cast<DWORD>(ERROR_SERVICE_NOT_ACTIVE)};
        }
        const DWORD spent = GetTickCount() - begun;
        if (spent >= static_cast<DWORD>(bound.count())) return {ServiceAnswer::Kind::TimedOut, 0};
        // A tenth of the service's own hint, between 0.1 and 1 s, as the manager's documentation advises.
        DWORD pause = status.dwWaitHint / 10;
        pause = pause < 100 ? 100 : pause > 1000 ? 1000 : pause;
        Sleep(std::min<DWORD>(pause, static_cast<DWORD>(bound.count()) - spent));
    }
}
}  // namespace

std::optional<unsigned long> Win32ServiceManager::StartType(const std::string& keyName) {
    OpenedService s(keyName, SERVICE_QUERY_CONFIG);
    if (!s.service) return std::nullopt;
    DWORD needed = 0;
    QueryServiceConfigW(s.service.get(), nullptr, 0, &needed);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0 || needed > 64 * 1024) return std::nullopt;
    std::vector<BYTE> buffer(needed);
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
    if (!QueryServiceConfigW(s.service.get(), config, needed, &needed)) return std::nullopt;
    return config->dwStartType;
}

ServiceAccess Win32ServiceManager::Access(const std::string& keyName) {
    // One open for the usual answer (it may be changed; is it protected?);
    // a second only where that is refused, to tell apart a service that
    // refuses the query alone.
    ServiceAccess access;
    OpenedService s(keyName, SERVICE_STOP | SERVICE_CHANGE_CONFIG | SERVICE_QUERY_CONFIG);
    if (!s.service) {
        access.stopAndChange = static_cast<bool>(OpenedService(keyName, SERVICE_STOP | SERVICE_CHANGE_CONFIG).service);
        return access;
    }
    access.stopAndChange = true;
    LaunchProtectedInfo info{};
    DWORD needed = 0;
    if (QueryServiceConfig2W(s.service.get(), kConfigLaunchProtected, reinterpret_cast<BYTE*>(&info), sizeof info,
                             &needed))
        access.launchProtected = info.dwLaunchProtected != 0;
    return access;
}

ServiceAnswer Win32ServiceManager::StopAndWait(const std::string& keyName, std::chrono::milliseconds bound) {
    OpenedService s(keyName, SERVICE_STOP | SERVICE_QUERY_STATUS);
    if (!s.service) return AnswerFor(s.error);
    SERVICE_STATUS status{};
    if (!ControlService(s.service.get(), SERVICE_CONTROL_STOP, &status)) {
        const DWORD error = GetLastError();
        if (error == ERROR_SERVICE_NOT_ACTIVE) return {};
        // A service still starting or already stopping takes no control now: its own end is waited for.
        if (error != ERROR_SERVICE_CANNOT_ACCEPT_CTRL) return AnswerFor(error);
        if (!QueryServiceStatus(s.service.get(), &status) || status.dwCurrentState != SERVICE_STOP_PENDING)
            return AnswerFor(error);
    }
    return WaitFor(s.service.get(), SERVICE_STOPPED, bound);
}

ServiceAnswer Win32ServiceManager::StartAndWait(const std::string& keyName, std::chrono::milliseconds bound) {
    OpenedService s(keyName, SERVICE_START | SERVICE_QUERY_STATUS);
    if (!s.service) return AnswerFor(s.error);
    if (!StartServiceW(s.service.get(), 0, nullptr)) {
        const DWORD error = GetLastError();
        if (error != ERROR_SERVICE_ALREADY_RUNNING) return AnswerFor(error);
    }
    return WaitFor(s.service.get(), SERVICE_RUNNING, bound);
}

namespace {
ServiceAnswer ControlAndWait(const std::string& keyName, DWORD control, DWORD wanted, std::chrono::milliseconds bound) {
    OpenedService s(keyName, SERVICE_PAUSE_CONTINUE | SERVICE_QUERY_STATUS);
    if (!s.service) return AnswerFor(s.error);
    SERVICE_STATUS status{};
    if (!ControlService(s.service.get(), control, &status)) return AnswerFor(GetLastError());
    return WaitFor(s.service.get(), wanted, bound);
}
}  // namespace

ServiceAnswer Win32ServiceManager::PauseAndWait(const std::string& keyName, std::chrono::milliseconds bound) {
    return ControlAndWait(keyName, SERVICE_CONTROL_PAUSE, SERVICE_PAUSED, bound);
}

ServiceAnswer Win32ServiceManager::ContinueAndWait(const std::string& keyName, std::chrono::milliseconds bound) {
    return ControlAndWait(keyName, SERVICE_CONTROL_CONTINUE, SERVICE_RUNNING, bound);
}

ServiceAnswer Win32ServiceManager::ChangeStartType(const std::string& keyName, unsigned long startType) {
    OpenedService s(keyName, SERVICE_CHANGE_CONFIG);
    if (!s.service) return AnswerFor(s.error);
    if (!ChangeServiceConfigW(s.service.get(), SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr, nullptr))
        return AnswerFor(GetLastError());
    return {};
}

}  // namespace brisko::win32
