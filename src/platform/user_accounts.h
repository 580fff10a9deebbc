#pragma once
// Who the program runs as, and the users' registry hives: the process's
// user, the user whose shell runs in this session, account names, the
// Default profile, and loading a profile's hive file under HKEY_USERS. The
// loaded hives and the profile list themselves are read through the
// registry (HKEY_USERS, and ProfileList under HKEY_LOCAL_MACHINE).
#include <string>

namespace brisko {

// What became of loading a hive file.
struct HiveLoad {
    enum class Kind {
        Loaded,
        InUse,    // the file is open elsewhere (its user is signed in, or another program holds it)
        Missing,  // no such file
        Refused,  // any other refusal (rights, a damaged file)
    };
    Kind kind = Kind::Loaded;
    unsigned long code = 0;  // the system's error code, where it gave one
};

class UserAccounts {
public:
    virtual ~UserAccounts() = default;
    // The SID of the process's user ("S-1-5-18" for SYSTEM); empty when it cannot be told.
    virtual std::string ProcessUser() = 0;
    // The SID of the user whose shell (the desktop's Explorer) runs in this
    // session; empty when none runs (at start-up, in a service's session).
    virtual std::string ShellUser() = 0;
    // "DOMAIN\\name" of a SID, "" when the system does not know it.
    virtual std::string AccountName(const std::string& sid) = 0;
    // The SID of an account name ("taro", "PC\\taro"), "" when there is no such account.
    virtual std::string AccountSid(const std::string& name) = 0;
    // The Default profile's folder, whose hive new profiles are copied from; "" when unknown.
    virtual std::string DefaultProfileFolder() = 0;
    // A profile path as ProfileList keeps it (%SystemDrive%\...), expanded.
    virtual std::string ExpandedPath(const std::string& path) = 0;
    // Loads a hive file under HKEY_USERS\<key> (with the backup and restore
    // privileges), and unloads it again; every handle below it must be closed.
    virtual HiveLoad LoadHive(const std::string& key, const std::string& file) = 0;
    virtual bool UnloadHive(const std::string& key) = 0;
};

// The accounts where nobody can be told: the program runs as the user whose
// settings HKEY_CURRENT_USER holds, and loads no hive.
class UnknownAccounts final : public UserAccounts {
public:
    std::string ProcessUser() override { return ""; }
    std::string ShellUser() override { return ""; }
    std::string AccountName(const std::string&) override { return ""; }
    std::string AccountSid(const std::string&) override { return ""; }
    std::string DefaultProfileFolder() override { return ""; }
    std::string ExpandedPath(const std::string& path) override { return path; }
    HiveLoad LoadHive(const std::string&, const std::string&) override { return {HiveLoad::Kind::Refused, 0}; }
    bool UnloadHive(const std::string&) override { return false; }
};

}  // namespace brisko
