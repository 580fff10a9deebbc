#include "support/simulated_services.h"

#include <map>

#include "platform/registry_values.h"
#include "support/simulated_machine.h"
#include "support/test_data.h"

namespace brisko::testing {

// The services of tests/data/services.tsv: key, display name, start type,
// account ("-": a driver), the services it depends on ("-": none), state.
void FillSimulatedServices(RegistryStore& r, FakeServiceManager& services) {
    const std::string root = "\\SYSTEM\\CurrentControlSet\\Services\\";
    const RegRoot hklm = RegRoot::LocalMachine;
    const std::map<std::string, ServiceState> states = {
        {"Running", ServiceState::Running}, {"Stopped", ServiceState::Stopped}, {"Paused", ServiceState::Paused}};
    for (const auto& s : TestDataRows("services.tsv")) {
        const std::string key = root + s.at(0);
        RegWriteValue(r, hklm, key, "DisplayName", "String", s.at(1));
        RegWriteValue(r, hklm, key, "Start", "DWORD", s.at(2));
        RegWriteValue(r, hklm, key, "ImagePath", "ExString", "%SystemRoot%\\System32\\" + s[0] + ".exe");
        if (s.at(3) != "-") RegWriteValue(r, hklm, key, "ObjectName", "String", s[3]);
        if (s.at(4) != "-") r.SetValue(hklm, key.substr(1), "DependOnService", StoredValue("MultiSz", s[4]));
        services.states.emplace_back(s[0], states.at(s.at(5)));
    }
    // A display name kept as an expandable string is not listed.
    RegWriteValue(r, hklm, root + "ExpandName", "DisplayName", "ExString", "%Expanded% Service");
    RegWriteValue(r, hklm, root + "ExpandName", "ObjectName", "String", "LocalSystem");
    RegWriteValue(r, hklm, root + "Lanmanworkstation2", "DisplayName", "String", "workstation");
    RegWriteValue(r, hklm, root + "Lanmanworkstation2", "ObjectName", "String", "LocalSystem");
    RegWriteValue(r, hklm, root + "Lanmanworkstation2", "Description", "String", "同名の別サービス");
}

}  // namespace brisko::testing
