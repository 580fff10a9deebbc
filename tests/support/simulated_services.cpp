#include "support/simulated_services.h"

#include "platform/registry_values.h"

namespace brisko::testing {

namespace {
struct ServiceRow {
    const char* key;
    const char* displayName;  // nullptr: none
    const char* start;
    const char* account;      // nullptr: a driver
    const char* dependsOn;    // names separated by '|'
    ServiceState state;
};

const ServiceRow kServices[] = {
    {"Alerter", "Alerter", "4", "NT AUTHORITY\\LocalService", "LanmanWorkstation", ServiceState::Stopped},
    {"AudioSrv", "Windows Audio", "2", "LocalSystem", "PlugPlay|RpcSs", ServiceState::Running},
    {"Dhcp", "DHCP Client", "2", "LocalSystem", "Tcpip|Afd|NetBT", ServiceState::Running},
    {"LanmanWorkstation", "Workstation", "2", "LocalSystem", nullptr, ServiceState::Running},
    {"Messenger", "Messenger", "4", "LocalSystem", "LanmanWorkstation|NetBIOS|PlugPlay|RpcSs", ServiceState::Stopped},
    {"PlugPlay", "Plug and Play", "2", "LocalSystem", nullptr, ServiceState::Running},
    {"RpcSs", "Remote Procedure Call (RPC)", "2", "LocalSystem", nullptr, ServiceState::Running},
    {"Dnscache", "DNS Client", "2", "NT AUTHORITY\\NetworkService", "Tcpip", ServiceState::Running},
    {"lmhosts", "TCP/IP NetBIOS Helper", "2", "NT AUTHORITY\\LocalService", "NetBT|Afd", ServiceState::Paused},
    {"upnphost", "universal plug and play device host", "3", "NT AUTHORITY\\LocalService", "SSDPSRV|HTTP",
     ServiceState::Stopped},
    {"Tcpip", "TCP/IP Protocol Driver", "1", nullptr, nullptr, ServiceState::Running},
    {"NetBT", "NetBios over Tcpip", "1", nullptr, "Tcpip", ServiceState::Running},
};
}  // namespace

void FillSimulatedServices(RegistryStore& r, FakeServiceManager& services) {
    const std::string root = "\\SYSTEM\\CurrentControlSet\\Services\\";
    const RegRoot hklm = RegRoot::LocalMachine;
    for (const ServiceRow& s : kServices) {
        const std::string key = root + s.key;
        RegWriteValue(r, hklm, key, "DisplayName", "String", s.displayName);
        RegWriteValue(r, hklm, key, "Start", "DWORD", s.start);
        RegWriteValue(r, hklm, key, "ImagePath", "ExString", std::string("%SystemRoot%\\System32\\") + s.key + ".exe");
        if (s.account) RegWriteValue(r, hklm, key, "ObjectName", "String", s.account);
        if (s.dependsOn) {
            std::string data;
            std::string names = std::string(s.dependsOn) + "|";
            for (size_t from = 0, at; (at = names.find('|', from)) != std::string::npos; from = at + 1)
                data += EncodeRegString(names.substr(from, at - from));
            r.SetValue(hklm, key.substr(1), "DependOnService", {regtype::kMultiSz, data + std::string(2, '\0')});
        }
        services.states.emplace_back(s.key, s.state);
    }
    // A display name kept as an expandable string is not listed.
    RegWriteValue(r, hklm, root + "ExpandName", "DisplayName", "ExString", "%Expanded% Service");
    RegWriteValue(r, hklm, root + "ExpandName", "ObjectName", "String", "LocalSystem");
    RegWriteValue(r, hklm, root + "Lanmanworkstation2", "DisplayName", "String", "workstation");
    RegWriteValue(r, hklm, root + "Lanmanworkstation2", "ObjectName", "String", "LocalSystem");
    RegWriteValue(r, hklm, root + "Lanmanworkstation2", "Description", "String", "同名の別サービス");
}

}  // namespace brisko::testing
