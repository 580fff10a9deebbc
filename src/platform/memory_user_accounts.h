#pragma once
// The accounts of a simulated machine: who runs, who is signed in, and hive
// files kept in memory, which loading copies into the registry's
// HKEY_USERS and unloading copies back out.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/memory_registry_store.h"
#include "platform/user_accounts.h"

namespace brisko {

// One key of a hive file: its path below the hive's root and its values.
struct StoredHiveKey {
    std::string path;
    std::vector<std::pair<std::string, RegValueData>> values;
};

class MemoryUserAccounts final : public UserAccounts {
public:
    explicit MemoryUserAccounts(MemoryRegistryStore& registry) : registry_(registry) {}

    std::string ProcessUser() override { return processUser; }
    std::string ShellUser() override { return shellUser; }
    std::string AccountName(const std::string& sid) override;
    std::string AccountSid(const std::string& name) override;
    std::string DefaultProfileFolder() override { return defaultFolder; }
    std::string ExpandedPath(const std::string& path) override;
    HiveLoad LoadHive(const std::string& key, const std::string& file) override;
    bool UnloadHive(const std::string& key) override;

    // An empty hive file (a profile's NTUSER.DAT).
    void AddHiveFile(const std::string& path);
    // A file that another program holds open: it cannot be loaded.
    void LockHiveFile(const std::string& path) { locked_.insert(Folded(path)); }
    // The keys under HKEY_USERS this program has loaded and not unloaded.
    std::vector<std::string> Loaded() const;
    // How often the file was loaded.
    int Loads(const std::string& path) const;
    // A value kept in a hive file that is not loaded; nullopt when absent.
    std::optional<RegValueData> FileValue(const std::string& file, const std::string& path, const std::string& name) const;

    std::string processUser, shellUser;
    std::map<std::string, std::string> names;  // SID -> "DOMAIN\\name"
    std::string defaultFolder;
    std::string systemDrive = "C:";

private:
    using HiveFile = std::vector<StoredHiveKey>;  // parents before their subkeys
    static std::string Folded(const std::string& path);

    MemoryRegistryStore& registry_;
    std::map<std::string, HiveFile> files_;     // by folded path
    std::map<std::string, std::string> loaded_;  // key -> folded path
    std::map<std::string, int> loads_;
    std::set<std::string> locked_;
};

}  // namespace brisko
