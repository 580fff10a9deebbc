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

std::vector<ItemKey> ItemKeys() {
    const RegRoot HKLM = RegRoot::LocalMachine, HKCU = RegRoot::CurrentUser, HKCR = RegRoot::ClassesRoot;
    std::vector<ItemKey> keys;
    for (const char* key :
         {"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
          "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems",
          "SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer",
          "SYSTEM\\CurrentControlSet\\Control\\Class\\{36FC9E60-C465-11CF-8056-444553540000}",
          "System\\CurrentControlSet\\Services\\Class\\Usb", "SOFTWARE\\Policies\\Microsoft\\Windows\\WindowsUpdate",
          "SYSTEM\\CurrentControlSet\\Services\\wscsvc", "System\\CurrentControlSet\\Control\\Update",
          "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "SOFTWARE\\Microsoft\\Dfrg",
          "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\system", "SOFTWARE\\Microsoft\\PCHealth",
          "SYSTEM\\CurrentControlSet\\Services\\Cdrom", "SOFTWARE\\Microsoft\\Outlook Express",
          "SOFTWARE\\Microsoft\\Internet Explorer\\Extensions", "SOFTWARE\\Microsoft\\MediaPlayer"})
        keys.push_back({HKLM, key, false});
    for (const char* key : {"SYSTEM\\CurrentControlSet\\Control", "Software\\Microsoft\\Internet Explorer\\Main",
                            "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion"})
        keys.push_back({HKLM, key, true});
    for (const char* key : {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "Control Panel\\Desktop",
                            "Software\\Microsoft\\Internet Explorer\\Toolbar", "Software\\Microsoft\\MediaPlayer",
                            "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                            "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"})
        keys.push_back({HKCU, key, false});
    for (const char* clsid :
         {"CLSID\\{87D62D94-71B3-4b9a-9489-5FE6850DC73E}", "CLSID\\{40C3D757-D6E4-4b49-BB41-0E5BBEA28817}"})
        keys.push_back({HKCR, clsid, false});
    return keys;
}

void RememberItemKeys(RegistrySnapshot& snapshot) {
    for (const ItemKey& k : ItemKeys()) {
        if (k.valuesOnly) snapshot.RememberValues(k.root, k.path);
        else snapshot.Remember(k.root, k.path);
    }
}

}  // namespace brisko::testing
