#include "support/fleet_machine.h"

#include <algorithm>

#include "platform/registry_values.h"
#include "support/simulated_machine.h"
#include "support/simulated_services.h"
#include "support/test_data.h"

namespace brisko::testing {

namespace {
const std::string kProfiles = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";
const std::string kDesktop = "Control Panel\\Desktop";
}  // namespace

std::string FleetUser::File() const {
    return (profile.starts_with("%SystemDrive%") ? "C:" + profile.substr(13) : profile) + "\\NTUSER.DAT";
}

FleetMachine::FleetMachine(const std::string& process, const std::string& shell) {
    FillSimulatedServices(registry, services);
    // Fills the hive under HKEY_USERS\<key> as the simulated machine's HKEY_CURRENT_USER.
    auto fill = [&](const std::string& key, const FleetUser& u) {
        registry.MapCurrentUserTo(key);
        FillSimulatedMachine(SimulatedWindows::Xp, registry, system, files, "C:");
        registry.SetValue(RegRoot::CurrentUser, kDesktop, "MenuShowDelay", StoredValue("Sz", "400"));
        if (u.wallpaper != "-") registry.SetValue(RegRoot::CurrentUser, kDesktop, "Wallpaper", StoredValue("Sz", u.wallpaper));
    };
    for (const auto& row : TestDataRows("fleet_users.tsv")) {
        const FleetUser u{row.at(0), row.at(1), row.at(2), row.at(3), row.at(4), row.at(5)};
        users.push_back(u);
        if (u.account != "-") accounts.names[u.sid] = u.account;
        if (u.sid == kDefaultProfileSid) accounts.defaultFolder = u.profile;
        else if (u.hive != "bare") {
            registry.CreateKey(RegRoot::LocalMachine, kProfiles + "\\" + u.sid);
            registry.SetValue(RegRoot::LocalMachine, kProfiles + "\\" + u.sid, "ProfileImagePath", StoredValue("ExpandSz", u.profile));
            if (u.hive == "roaming")
                registry.SetValue(RegRoot::LocalMachine, kProfiles + "\\" + u.sid, "CentralProfile", StoredValue("Sz", "\\\\server\\profiles\\roam"));
        }
        if (u.hive == "loaded" || u.hive == "bare") fill(u.sid, u);
        if (u.hive == "file" || u.hive == "locked" || u.hive == "roaming") {
            accounts.AddHiveFile(u.File());
            accounts.LoadHive("setup", u.File());
            fill("setup", u);
            accounts.UnloadHive("setup");
        }
        if (u.hive == "locked") accounts.LockHiveFile(u.File());
    }
    registry.MapCurrentUserTo(process);
    accounts.processUser = process;
    accounts.shellUser = shell;
}

int FleetMachine::Run(const std::vector<std::string>& args, const std::string& plan) {
    if (!plan.empty())
        files.WriteReplacing("C:\\plan.ini", "[BriskoPlan]\r\nFormat=1\r\n" + plan + "[BriskoPlanEnd]\r\nComplete=1\r\n");
    echoed.clear();
    CommandLog log{[this](const std::string& line) { echoed.push_back(line); }};
    ProgramContext ctx{Platform{registry, files, processes, log, resources, system, services, clock}};
    ctx.UseAccounts(accounts);
    std::string line;
    for (const auto& arg : args) line += (line.empty() ? "" : " ") + arg;
    return RunSilentCommand(ctx, ParseCommandLine(args), log, line);
}

bool FleetMachine::Logged(const std::string& part) const {
    return std::any_of(echoed.begin(), echoed.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

const FleetUser& FleetMachine::User(const std::string& sid) const {
    return *std::find_if(users.begin(), users.end(), [&](const FleetUser& u) { return u.sid == sid; });
}

std::string FleetMachine::HiveValue(const FleetUser& user, const std::string& key, const std::string& name) {
    std::optional<RegValueData> v;
    if (user.hive == "loaded" || user.hive == "bare") v = registry.QueryValue(RegRoot::Users, user.sid + "\\" + key, name, RegAccess::Query);
    else v = accounts.FileValue(user.File(), key, name);
    return v ? DecodeRegString(v->bytes) : "-";
}

}  // namespace brisko::testing
