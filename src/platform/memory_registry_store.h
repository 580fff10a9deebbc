#pragma once
// A registry held in memory, for tests and for machines without one. It keeps
// the real registry's rules: names are compared case-insensitively and keep
// their case, the default value has the empty name, subkeys enumerate sorted
// by their upper-cased names, values in the order they were created.
#include <map>
#include <memory>

#include "platform/registry_store.h"

namespace brisko {

class MemoryRegistryStore final : public RegistryStore {
public:
    MemoryRegistryStore();
    ~MemoryRegistryStore() override;

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

    // Simulates an account without write rights below the key: it can then be
    // opened for query only, and nothing below it can be created or changed.
    void DenyWrites(RegRoot root, const std::string& path);
    // Makes HKEY_CURRENT_USER the hive HKEY_USERS holds under that key, as
    // Windows does for the process's user (made when missing).
    void MapCurrentUserTo(const std::string& usersKey);

private:
    struct Key;
    Key* Root(RegRoot root);
    Key* Find(RegRoot root, const std::string& path);
    Key* Open(RegRoot root, const std::string& path, RegAccess access);

    std::map<RegRoot, std::unique_ptr<Key>> roots_;
    std::string currentUser_;  // the key under HKEY_USERS that HKEY_CURRENT_USER is; empty: a root of its own
};

}  // namespace brisko
