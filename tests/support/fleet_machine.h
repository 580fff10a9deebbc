#pragma once
// The simulated XP machine of many users (tests/data/fleet_users.tsv): the
// users' hives under HKEY_USERS and in NTUSER.DAT files, their ProfileList,
// and an identity to run brisko.exe as.
#include <string>
#include <vector>

#include "platform/memory_user_accounts.h"
#include "startup/silent_run.h"
#include "support/memory_context.h"

namespace brisko::testing {

struct FleetUser {
    std::string sid, account, profile, hive, after, wallpaper;
    std::string File() const;  // its NTUSER.DAT
};

struct FleetMachine : MemoryBackends {
    // Runs as `process`, with `shell`'s Explorer on the desktop ("" none).
    explicit FleetMachine(const std::string& process = "S-1-5-18", const std::string& shell = "");
    std::vector<FleetUser> users;
    MemoryUserAccounts accounts{registry};
    std::vector<std::string> echoed;  // the last run's console lines

    // One run of brisko.exe; a plan, when given, is put at C:\plan.ini first.
    int Run(const std::vector<std::string>& args, const std::string& plan = "");
    bool Logged(const std::string& part) const;
    const FleetUser& User(const std::string& sid) const;
    // A value of the user's hive, loaded or in its file; "-" when absent.
    std::string HiveValue(const FleetUser& user, const std::string& key, const std::string& name);
};

}  // namespace brisko::testing
