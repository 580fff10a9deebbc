#include "support/registry_snapshot.h"

#include "platform/registry_values.h"
#include "platform/text/case_fold.h"
#include "support/item_probes.h"
#include "support/simulated_machine.h"

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

void RegistrySnapshot::Remember(RegRoot root, const std::string& keyPath, bool valuesOnly) {
    remembered_.push_back({{root, keyPath}, Capture(root, keyPath, valuesOnly)});
}

RegistrySnapshot::~RegistrySnapshot() {
    for (auto it = remembered_.rbegin(); it != remembered_.rend(); ++it)
        Restore(it->first.first, it->first.second, it->second);
}

const std::vector<ItemKey>& ItemKeys() {
    static const std::vector<ItemKey> all = [] {
        // The simulated machines' keys and the keys the item table probes; a key
        // with another of them below it is remembered by its values only.
        std::vector<ItemKey> keys;
        auto add = [&](RegRoot root, const std::string& path) {
            for (const ItemKey& k : keys)
                if (k.root == root && text::AsciiLower(k.path) == text::AsciiLower(path)) return;
            keys.push_back({root, path, false});
        };
        for (SimulatedWindows e : {SimulatedWindows::Xp, SimulatedWindows::Win2000, SimulatedWindows::Nt4, SimulatedWindows::Win98})
            for (const SimulatedKey& k : SimulatedKeys(e)) add(k.root, k.path);
        for (const Probe& p : ItemProbes()) {
            if (p.key.empty() || p.key[0] != '\\') continue;
            add(p.root, p.how == "Key" ? p.key.substr(1) + "\\" + p.name : p.key.substr(1));
        }
        // What the PC information reads.
        add(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
        add(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
        for (ItemKey& k : keys)
            for (const ItemKey& below : keys)
                if (below.root == k.root && text::AsciiLower(below.path).starts_with(text::AsciiLower(k.path) + "\\"))
                    k.valuesOnly = true;
        return keys;
    }();
    return all;
}

void RememberItemKeys(RegistrySnapshot& snapshot) {
    for (const ItemKey& k : ItemKeys()) snapshot.Remember(k.root, k.path, k.valuesOnly);
}

namespace {
void Dump(RegistryStore& store, RegRoot root, const std::string& path, RegistryDump& out) {
    out[FullKeyName(root, path)] = std::nullopt;
    for (const auto& name : store.ValueNames(root, path))
        out[FullKeyName(root, path) + "|" + name] = store.QueryValue(root, path, name, RegAccess::Query);
    for (const auto& sub : store.SubKeyNames(root, path)) Dump(store, root, JoinKeyPath(path, sub), out);
}
}  // namespace

RegistryDump DumpRegistry(RegistryStore& store) {
    RegistryDump out;
    for (RegRoot root : {RegRoot::ClassesRoot, RegRoot::CurrentUser, RegRoot::LocalMachine, RegRoot::Users})
        Dump(store, root, "", out);
    return out;
}

}  // namespace brisko::testing
