#include "support/registry_dump.h"

#include "platform/registry_values.h"

namespace brisko::testing {

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
