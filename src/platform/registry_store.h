#pragma once
// The registry as the program reaches it: a store of typed raw values under
// root, key path and name. Each call opens what it needs and closes it again.
// Key paths are relative to the root, without a leading backslash
// ("Control Panel\\Desktop"); names are UTF-8; string data is kept as the wide
// registry functions keep it (UTF-16LE with its terminating NUL).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brisko {

// Users is HKEY_USERS: every loaded user hive, each under its SID (or the
// name it was loaded under); HKEY_CURRENT_USER is one of them.
enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// Registry value types (REG_*).
namespace regtype {
constexpr uint32_t kNone = 0, kSz = 1, kExpandSz = 2, kBinary = 3, kDword = 4, kMultiSz = 7, kQword = 11;
}

struct RegValueData {
    uint32_t type = regtype::kNone;
    std::string bytes;
    bool operator==(const RegValueData&) const = default;
};

// Full access is what the program asks for by default, also to read; a key
// that the account may not write then cannot be opened at all.
enum class RegAccess { Query, Full };

class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    virtual bool CanOpenKey(RegRoot root, const std::string& path, RegAccess access) = 0;
    // Creates the key and any missing parents; false when refused.
    virtual bool CreateKey(RegRoot root, const std::string& path) = 0;
    virtual std::optional<RegValueData> QueryValue(RegRoot root, const std::string& path, const std::string& name,
                                                   RegAccess access) = 0;
    // The key must exist; false when it does not or the store refuses.
    virtual bool SetValue(RegRoot root, const std::string& path, const std::string& name,
                          const RegValueData& value) = 0;
    virtual bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) = 0;
    // Direct subkeys in the registry's enumeration order; values in theirs.
    virtual std::vector<std::string> SubKeyNames(RegRoot root, const std::string& path) = 0;
    virtual std::vector<std::string> ValueNames(RegRoot root, const std::string& path) = 0;
    // Deletes a key that has no subkeys.
    virtual bool DeleteKey(RegRoot root, const std::string& path) = 0;
};

// Joins a key path and a subkey name.
std::string JoinKeyPath(const std::string& path, const std::string& name);

}  // namespace brisko
