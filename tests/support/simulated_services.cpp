#include "support/simulated_services.h"

#include <map>

#include "platform/registry_values.h"
#include "support/simulated_machine.h"
#include "support/test_data.h"

namespace brisko::testing {

namespace {
const std::string kRoot = "\\SYSTEM\\CurrentControlSet\\Services\\";
const RegRoot HKLM = RegRoot::LocalMachine;

// One service: key, display name, type (hex), start, account ("-": none),
// the services it depends on ("-": none), state.
void AddService(RegistryStore& r, FakeServiceManager& services, const std::vector<std::string>& s) {
    static const std::map<std::string, ServiceState> kStates = {
        {"Running", ServiceState::Running}, {"Stopped", ServiceState::Stopped}, {"Paused", ServiceState::Paused}};
    const std::string key = kRoot + s.at(0);
    RegWriteValue(r, HKLM, key, "DisplayName", "String", s.at(1));
    RegWriteValue(r, HKLM, key, "Type", "DWORD", std::to_string(std::stoul(s.at(2), nullptr, 16)));
    RegWriteValue(r, HKLM, key, "Start", "DWORD", s.at(3));
    RegWriteValue(r, HKLM, key, "ImagePath", "ExString", "%SystemRoot%\\System32\\" + s[0] + ".exe");
    if (s.at(4) != "-") RegWriteValue(r, HKLM, key, "ObjectName", "String", s[4]);
    if (s.at(5) != "-") r.SetValue(HKLM, key.substr(1), "DependOnService", StoredValue("MultiSz", s[5]));
    services.states.emplace_back(s[0], kStates.at(s.at(6)));
}
}  // namespace

void FillSimulatedServices(RegistryStore& r, FakeServiceManager& services) {
    for (const auto& s : TestDataRows("services.tsv")) AddService(r, services, s);
    // A display name kept as an expandable string is not listed.
    const std::vector<std::string> expandName = {"ExpandName", "-", "0x10", "3", "LocalSystem", "-", "Stopped"};
    AddService(r, services, expandName);
    RegDeleteValue(r, HKLM, kRoot + "ExpandName", "DisplayName");
    RegWriteValue(r, HKLM, kRoot + "ExpandName", "DisplayName", "ExString", "%Expanded% Service");
    AddService(r, services, {"Lanmanworkstation2", "workstation", "0x20", "3", "LocalSystem", "-", "Running"});
    RegWriteValue(r, HKLM, kRoot + "Lanmanworkstation2", "Description", "String", "同名の別サービス");
}

void FillWindows10Services(RegistryStore& r, FakeServiceManager& services) {
    for (const auto& s : TestDataRows("services_win10.tsv")) {
        AddService(r, services, {s.at(0), s.at(1), s.at(2), s.at(3), s.at(4), "-", s.at(5)});
        if (s.at(6) == "refuses-change") services.refusingChange.insert(s[0]);
        if (s.at(6) == "launch-protected") services.launchProtected.insert(s[0]);
    }
}

}  // namespace brisko::testing
