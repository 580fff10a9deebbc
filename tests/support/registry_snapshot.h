#pragma once
// Puts registry keys back as they were: a test that must work on a real
// registry remembers the keys it may change and restores them afterwards
// (values, and subkeys created or deleted below them).
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry_store.h"

namespace brisko::testing {

class RegistrySnapshot {
public:
    explicit RegistrySnapshot(RegistryStore& store) : store_(store) {}
    ~RegistrySnapshot();
    RegistrySnapshot(const RegistrySnapshot&) = delete;
    RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;

    // keyPath without the leading backslash; with everything below it, or only
    // the key's own values (for keys with large subtrees).
    void Remember(RegRoot root, const std::string& keyPath, bool valuesOnly = false);

private:
    struct Tree {
        bool exists = false;
        bool valuesOnly = false;
        std::vector<std::pair<std::string, RegValueData>> values;
        std::map<std::string, Tree> subkeys;
    };
    Tree Capture(RegRoot root, const std::string& path, bool valuesOnly = false);
    void Restore(RegRoot root, const std::string& path, const Tree& tree);

    RegistryStore& store_;
    std::vector<std::pair<std::pair<RegRoot, std::string>, Tree>> remembered_;
};

// Every key the items, the backups and the simulated machines touch, from
// the data files; for keys with others below them only the key's own values.
struct ItemKey {
    RegRoot root;
    std::string path;
    bool valuesOnly;
};
const std::vector<ItemKey>& ItemKeys();
// Remembers every one of them.
void RememberItemKeys(RegistrySnapshot& snapshot);

// Every key (as "root\\path", no value) and every value under it (as
// "root\\path|name"), of every root the program uses.
using RegistryDump = std::map<std::string, std::optional<RegValueData>>;
RegistryDump DumpRegistry(RegistryStore& store);

}  // namespace brisko::testing
