#include "platform/win32/win32_service_manager.h"

#include <windows.h>

#include <vector>

#include "platform/win32/mui_text.h"
#include "platform/win32/service_handle.h"
#include "platform/win32/wide.h"

namespace brisko::win32 {

namespace {
ServiceState FromCurrentState(DWORD state) {
    return (state >= SERVICE_STOPPED && state <= SERVICE_PAUSED) ? static_cast<ServiceState>(state)
                                                                 : ServiceState::Unknown;
}
}  // namespace

ServiceState Win32ServiceManager::QueryState(const std::string& keyName) {
    // Only what the query needs: hardened services refuse anything more.
    ScHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager) return ServiceState::Unknown;
    ScHandle service(OpenServiceW(manager.get(), Widen(keyName).c_str(), SERVICE_QUERY_STATUS));
    if (!service) return ServiceState::Unknown;
    SERVICE_STATUS status{};
    if (!QueryServiceStatus(service.get(), &status)) return ServiceState::Unknown;
    return FromCurrentState(status.dwCurrentState);
}

std::optional<std::vector<std::pair<std::string, ServiceState>>> Win32ServiceManager::EnumerateStates() {
    ScHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE));
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

std::optional<std::string> Win32ServiceManager::IndirectText(const std::string& keyName, const std::string& valueName) {
    HKEY key = nullptr;
    const std::wstring path = L"SYSTEM\\CurrentControlSet\\Services\\" + Widen(keyName);
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
    const std::optional<std::wstring> text = LoadMuiText(key, Widen(valueName));
    RegCloseKey(key);
    if (!text || text->empty()) return std::nullopt;
    return Narrow(*text);
}

std::optional<std::vector<std::string>> Win32ServiceManager::ActiveDependents(const std::string& keyName) {
    ScHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager) return std::nullopt;
    ScHandle service(OpenServiceW(manager.get(), Widen(keyName).c_str(), SERVICE_ENUMERATE_DEPENDENTS));
    if (!service) return std::nullopt;
    std::vector<BYTE> buffer(16 * 1024);
    DWORD needed = 0, count = 0;
    BOOL ok = EnumDependentServicesW(service.get(), SERVICE_ACTIVE, reinterpret_cast<ENUM_SERVICE_STATUSW*>(buffer.data()),
                                     static_cast<DWORD>(buffer.size()), &needed, &count);
    if (!ok && GetLastError() == ERROR_MORE_DATA) {
        buffer.resize(needed);
        ok = EnumDependentServicesW(service.get(), SERVICE_ACTIVE, reinterpret_cast<ENUM_SERVICE_STATUSW*>(buffer.data()),
                                    static_cast<DWORD>(buffer.size()), &needed, &count);
    }
    if (!ok) return std::nullopt;
    std::vector<std::string> names;
    const auto* entries = reinterpret_cast<const ENUM_SERVICE_STATUSW*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        names.push_back(Narrow(entries[i].lpDisplayName ? entries[i].lpDisplayName : entries[i].lpServiceName));
    return names;
}

}  // namespace brisko::win32
