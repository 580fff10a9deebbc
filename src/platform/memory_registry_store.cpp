#include "platform/memory_registry_store.h"

#include <algorithm>

#include "platform/text/case_fold.h"

namespace brisko {

struct MemoryRegistryStore::Key {
    std::string name;
    bool writeDenied = false;
    std::vector<std::pair<std::string, RegValueData>> values;  // creation order
    std::vector<std::unique_ptr<Key>> subkeys;                 // sorted by upper-cased name

    Key* Child(const std::string& childName) {
        auto at = std::lower_bound(subkeys.begin(), subkeys.end(), childName,
                                   [](const std::unique_ptr<Key>& k, const std::string& n) {
                                       return text::RegistryNameLess(k->name, n);
                                   });
        return at != subkeys.end() && text::RegistryNamesEqual((*at)->name, childName) ? at->get() : nullptr;
    }
    Key* AddChild(const std::string& childName) {
        auto key = std::make_unique<Key>();
        key->name = childName;
        auto at = std::upper_bound(subkeys.begin(), subkeys.end(), childName,
                                   [](const std::string& n, const std::unique_ptr<Key>& k) {
                                       return text::RegistryNameLess(n, k->name);
                                   });
        return subkeys.insert(at, std::move(key))->get();
    }
    auto FindValue(const std::string& valueName) {
        return std::find_if(values.begin(), values.end(),
                            [&](const auto& v) { return text::RegistryNamesEqual(v.first, valueName); });
    }
};

namespace {
std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}
}  // namespace

std::string JoinKeyPath(const std::string& path, const std::string& name) {
    if (path.empty()) return name;
    if (path.back() == '\\') return path + name;
    return path + "\\" + name;
}

MemoryRegistryStore::MemoryRegistryStore() {
    for (RegRoot r : {RegRoot::ClassesRoot, RegRoot::CurrentUser, RegRoot::LocalMachine, RegRoot::Users})
        roots_[r] = std::make_unique<Key>();
}

MemoryRegistryStore::~MemoryRegistryStore() = default;

MemoryRegistryStore::Key* MemoryRegistryStore::Root(RegRoot root) {
    if (root != RegRoot::CurrentUser || currentUser_.empty()) return roots_.at(root).get();
    Key* users = roots_.at(RegRoot::Users).get();
    if (Key* hive = users->Child(currentUser_)) return hive;
    return users->AddChild(currentUser_);
}

MemoryRegistryStore::Key* MemoryRegistryStore::Find(RegRoot root, const std::string& path) {
    Key* key = Root(root);
    for (const auto& part : SplitPath(path)) {
        key = key->Child(part);
        if (!key) return nullptr;
    }
    return key;
}

MemoryRegistryStore::Key* MemoryRegistryStore::Open(RegRoot root, const std::string& path, RegAccess access) {
    Key* key = Root(root);
    bool denied = key->writeDenied;
    for (const auto& part : SplitPath(path)) {
        key = key->Child(part);
        if (!key) return nullptr;
        denied = denied || key->writeDenied;
    }
    return (denied && access == RegAccess::Full) ? nullptr : key;
}

bool MemoryRegistryStore::CanOpenKey(RegRoot root, const std::string& path, RegAccess access) {
    return Open(root, path, access) != nullptr;
}

bool MemoryRegistryStore::CreateKey(RegRoot root, const std::string& path) {
    Key* key = Root(root);
    bool denied = key->writeDenied;
    for (const auto& part : SplitPath(path)) {
        Key* child = key->Child(part);
        if (!child) {
            if (denied) return false;
            child = key->AddChild(part);
        }
        key = child;
        denied = denied || key->writeDenied;
    }
    return !denied;
}

std::optional<RegValueData> MemoryRegistryStore::QueryValue(RegRoot root, const std::string& path,
                                                            const std::string& name, RegAccess access) {
    Key* key = Open(root, path, access);
    if (!key) return std::nullopt;
    auto it = key->FindValue(name);
    if (it == key->values.end()) return std::nullopt;
    return it->second;
}

bool MemoryRegistryStore::SetValue(RegRoot root, const std::string& path, const std::string& name,
                                   const RegValueData& value) {
    Key* key = Open(root, path, RegAccess::Full);
    if (!key) return false;
    auto it = key->FindValue(name);
    if (it == key->values.end())
        key->values.emplace_back(name, value);
    else
        it->second = value;
    return true;
}

bool MemoryRegistryStore::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
    Key* key = Open(root, path, RegAccess::Full);
    if (!key) return false;
    auto it = key->FindValue(name);
    if (it == key->values.end()) return false;
    key->values.erase(it);
    return true;
}

std::vector<std::string> MemoryRegistryStore::SubKeyNames(RegRoot root, const std::string& path) {
    std::vector<std::string> names;
    if (Key* key = Open(root, path, RegAccess::Query))
        for (const auto& k : key->subkeys) names.push_back(k->name);
    return names;
}

std::vector<std::string> MemoryRegistryStore::ValueNames(RegRoot root, const std::string& path) {
    std::vector<std::string> names;
    if (Key* key = Open(root, path, RegAccess::Query))
        for (const auto& v : key->values) names.push_back(v.first);
    return names;
}

bool MemoryRegistryStore::DeleteKey(RegRoot root, const std::string& path) {
    auto parts = SplitPath(path);
    if (parts.empty()) return false;
    const std::string leaf = parts.back();
    parts.pop_back();
    std::string parentPath;
    for (const auto& p : parts) parentPath = JoinKeyPath(parentPath, p);
    Key* parent = Open(root, parentPath, RegAccess::Full);
    if (!parent) return false;
    auto it = std::find_if(parent->subkeys.begin(), parent->subkeys.end(),
                           [&](const auto& k) { return text::RegistryNamesEqual(k->name, leaf); });
    if (it == parent->subkeys.end() || !(*it)->subkeys.empty() || (*it)->writeDenied) return false;
    parent->subkeys.erase(it);
    return true;
}

void MemoryRegistryStore::MapCurrentUserTo(const std::string& usersKey) { currentUser_ = usersKey; }

void MemoryRegistryStore::DenyWrites(RegRoot root, const std::string& path) {
    CreateKey(root, path);
    Find(root, path)->writeDenied = true;
}

}  // namespace brisko
