#pragma once
// The registry with HKEY_CURRENT_USER pointed at one user's hive: the
// process's own, or another user's under HKEY_USERS. Every item rule, the
// detection and the backup rows name HKEY_CURRENT_USER; this store decides
// whose settings that is. Where the process is no interactive user (SYSTEM,
// a service), HKEY_CLASSES_ROOT is read and written as the machine's own
// classes, HKEY_LOCAL_MACHINE\Software\Classes.
#include <string>

#include "platform/registry_store.h"

namespace brisko {

// The pseudo-SID of the Default profile, the hive new profiles are copied from.
inline constexpr const char* kDefaultProfileSid = "Default";
// The key a .reg file names the Default profile's hive by, loaded there with reg load.
inline constexpr const char* kDefaultProfileRegKey = "BriskoDefault";

// The name a profile's hive is loaded under, HKEY_USERS\Brisko-<SID>.
inline constexpr const char* kLoadedHivePrefix = "Brisko-";

// How a user's hive was reached.
enum class HiveOpening {
    Own,         // the process's own user
    Loaded,      // already loaded under HKEY_USERS (the user is signed in)
    LoadedHere,  // loaded from the profile's NTUSER.DAT for this run
};

// One user's hive.
struct UserHive {
    std::string sid;      // "S-1-5-21-…", kDefaultProfileSid, or "" when the user cannot be told
    std::string account;  // "PC\\taro"; "" when unknown
    std::string profile;  // the profile folder; "" when unknown
    HiveOpening opening = HiveOpening::Own;
    std::string usersKey;  // its key under HKEY_USERS; "" for HKEY_CURRENT_USER itself
    std::string file;      // the hive file a LoadedHere hive comes from
    bool operator==(const UserHive&) const = default;
};

// "S-1-5-21-…-1001 (PC\\taro)", "既定のユーザー (Default プロファイル)", "このアカウント".
std::string HiveName(const UserHive& hive);

struct HiveRoute {
    UserHive hive;
    bool machineClasses = false;
};

class UserHiveStore final : public RegistryStore {
public:
    explicit UserHiveStore(RegistryStore& inner) : inner_(inner) {}

    void Route(HiveRoute route) { route_ = std::move(route); }
    const HiveRoute& Route() const { return route_; }

    bool CanOpenKey(RegRoot root, const std::string& path, RegAccess access) override;
    bool CreateKey(RegRoot root, const std::string& path) override;
    std::optional<RegValueData> QueryValue(RegRoot root, const std::string& path, const std::string& name,
                                           RegAccess access) override;
    bool SetValue(RegRoot root, const std::string& path, const std::string& name,
                  const RegValueData& value) override;
    bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override;
    std::vector<std::string> SubKeyNames(RegRoot root, const std::string& path) override;
    std::vector<std::string> ValueNames(RegRoot root, const std::string& path) override;
    bool DeleteKey(RegRoot root, const std::string& path) override;

private:
    struct Place {
        RegRoot root;
        std::string path;
    };
    Place Mapped(RegRoot root, const std::string& path) const;

    RegistryStore& inner_;
    HiveRoute route_;
};

}  // namespace brisko
