#pragma once
// Stores that take writes without passing them on: reads see what was
// written over what lies below, nothing below ever changes. The journal puts
// them in front of the real registry and files while it rehearses an action.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry_store.h"

namespace brisko {

// Keeps the registry's rules: names compared case-insensitively, a value
// needs its key, a key with subkeys cannot be deleted, subkeys enumerate
// sorted by their upper-cased names, new values after the old ones.
class RegistryOverlay final : public RegistryStore {
public:
    explicit RegistryOverlay(RegistryStore& below) : below_(below) {}

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
    struct OverValue {
        std::string name;
        std::optional<RegValueData> data;  // none: deleted
    };
    struct OverKey {
        std::string path;  // as first spelled
        bool present = false;
        std::vector<OverValue> values;  // in the order first written
    };
    // Whether what lies below is hidden here: the key or one above it was
    // deleted (and perhaps created again, empty).
    bool Cleared(const std::string& id) const;
    bool Exists(RegRoot root, const std::string& path);
    OverValue* Find(const std::string& id, const std::string& name);

    RegistryStore& below_;
    std::map<std::string, OverKey> keys_;  // by root and upper-cased path
    std::vector<std::string> cleared_;
};

// Keeps the file system's rules: a file needs its folder, a read-only file
// cannot be replaced; paths compared case-insensitively, either slash.
class FileOverlay final : public FileSystem {
public:
    explicit FileOverlay(FileSystem& below) : below_(below) {}

    bool WriteReplacing(const std::string& path, const std::string& bytes) override;
    std::optional<uint32_t> GetAttributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, uint32_t attributes) override;
    std::vector<FolderEntry> ListFolder(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;

protected:
    std::optional<std::string> ReadWhole(const std::string& path, uint64_t largest) override;

private:
    struct OverFile {
        std::string path;
        bool written = false;              // the contents below are replaced
        std::optional<std::string> bytes;  // what was written; none: removed
        std::optional<uint32_t> attributes;
        bool folder = false;
    };
    OverFile* Find(const std::string& path);

    FileSystem& below_;
    std::map<std::string, OverFile> files_;  // by lower-cased path
};

}  // namespace brisko
