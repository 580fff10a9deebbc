#include "support/registry_snapshot.h"

#include "platform/registry_values.h"

namespace brisko::testing {

RegistrySnapshot::Tree RegistrySnapshot::Capture(RegRoot root, const std::string& path, bool valuesOnly) {
    Tree tree;
    tree.valuesOnly = valuesOnly;
    tree.exists = store_.CanOpenKey(root, path, RegAccess::Query);
    if (!tree.exists) return tree;
    for (const auto& name : store_.ValueNames(root, path))
        if (auto v = store_.QueryValue(root, path, name, RegAccess::Query)) tree.values.emplace_back(name, *v);
    if (!valuesOnly)
        for (const auto& sub : store_.SubKeyNames(root, path)) tree.subkeys[sub] = Capture(root, JoinKeyPath(path, sub));
    return tree;
}

void RegistrySnapshot::Restore(RegRoot root, const std::string& path, const Tree& tree) {
    if (!tree.exists) {
        RegDeleteKeyTree(store_, root, "\\" + path);
        return;
    }
    store_.CreateKey(root, path);
    for (const auto& name : store_.ValueNames(root, path)) store_.DeleteValue(root, path, name);
    for (const auto& [name, value] : tree.values) store_.SetValue(root, path, name, value);
    if (tree.valuesOnly) return;
    for (const auto& sub : store_.SubKeyNames(root, path))
        if (!tree.subkeys.count(sub)) RegDeleteKeyTree(store_, root, "\\" + JoinKeyPath(path, sub));
    for (const auto& [sub, subtree] : tree.subkeys) Restore(root, JoinKeyPath(path, sub), subtree);
}

void RegistrySnapshot::Remember(RegRoot root, const std::string& keyPath) {
    remembered_.push_back({{root, keyPath}, Capture(root, keyPath)});
}

void RegistrySnapshot::RememberValues(RegRoot root, const std::string& keyPath) {
    remembered_.push_back({{root, keyPath}, Capture(root, keyPath, true)});
}

RegistrySnapshot::~RegistrySnapshot() {
    for (auto it = remembered_.rbegin(); it != remembered_.rend(); ++it)
        Restore(it->first.first, it->first.second, it->second);
}

}  // namespace brisko::testing
