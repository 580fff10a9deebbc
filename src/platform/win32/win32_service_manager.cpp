#include "platform/win32/win32_service_manager.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide.h"

namespace brisko::win32 {

namespace {
class ScHandle {
public:
    explicit ScHandle(SC_HANDLE h) : h_(h) {}
    ~ScHandle() {
        if (h_) CloseServiceHandle(h_);
    }
    ScHandle(const ScHandle&) = delete;
    ScHandle& operator=(const ScHandle&) = delete;
    explicit operator bool() const { return h_ != nullptr; }
    SC_HANDLE get() const { return h_; }

private:
    SC_HANDLE h_;
};

ServiceState FromCurrentState(DWORD state) {
    return (state >= SERVICE_STOPPED && state <= SERVICE_PAUSED) ? static_cast<ServiceState>(state)
                                                                 : ServiceState::Unknown;
}
}  // namespace

ServiceState Win32ServiceManager::QueryState(const std::string& keyName) {
    ScHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) return ServiceState::Unknown;
    ScHandle service(OpenServiceW(manager.get(), Widen(keyName).c_str(), SERVICE_ALL_ACCESS));
    if (!service) return ServiceState::Unknown;
    SERVICE_STATUS status{};
    if (!QueryServiceStatus(service.get(), &status)) return ServiceState::Unknown;
    return FromCurrentState(status.dwCurrentState);
}

std::optional<std::vector<std::pair<std::string, ServiceState>>> Win32ServiceManager::EnumerateStates() {
    ScHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) return std::nullopt;
    std::vector<std::pair<std::string, ServiceState>> states;
    std::vector<BYTE> buffer(64 * 1024);
    DWORD resume = 0;
    for (;;) {
        DWORD needed = 0, count = 0;
        const BOOL ok = EnumServicesStatusW(manager.get(), SERVICE_WIN32 | SERVICE_DRIVER, SERVICE_STATE_ALL,
                                            reinterpret_cast<ENUM_SERVICE_STATUSW*>(buffer.data()),
                                            static_cast<DWORD>(buffer.size()), &needed, &count, &resume);
        if (!ok && GetLastError() != ERROR_MORE_DATA) return std::nullopt;
        const auto* entries = reinterpret_cast<const ENUM_SERVICE_STATUSW*>(buffer.data());
        for (DWORD i = 0; i < count; ++i)
            states.emplace_back(Narrow(entries[i].lpServiceName), FromCurrentState(entries[i].ServiceStatus.dwCurrentState));
        if (ok) break;
        if (count == 0) buffer.resize(std::max<size_t>(buffer.size() * 2, needed));
    }
    return states;
}

}  // namespace brisko::win32
