#pragma once
// The registry as a backup reads it. Every read opens its key with full
// access, so a key that exists but that this account may not open fully
// would read as absent, and a restore deletes what a backup records as
// absent. Such a key refuses the backup instead (BriskoError naming it).
// Service keys are the exception: a service whose key cannot be opened fully
// is not listed, so it is left out of the backup whole and a restore leaves
// it alone.
#include <set>
#include <utility>

#include "platform/registry_store.h"

namespace brisko {

class ReadableRegistry final : public RegistryStore {
public:
    explicit ReadableRegistry(RegistryStore& inner) : inner_(inner) {}

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

    // The keys (outside the services) read and not there, in the order met.
    const std::vector<std::pair<RegRoot, std::string>>& AbsentKeys() const { return absent_; }

private:
    void RequireFullAccess(RegRoot root, const std::string& path);
    RegistryStore& inner_;
    // Keys already found readable: a backup reads many values of each.
    std::set<std::pair<RegRoot, std::string>> readable_, missing_;
    std::vector<std::pair<RegRoot, std::string>> absent_;
};

}  // namespace brisko
