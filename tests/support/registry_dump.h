#pragma once
// The whole of a registry store as one map, for comparing two machines.
#include <map>
#include <optional>
#include <string>

#include "platform/registry_store.h"

namespace brisko::testing {

// Every key (as "root\\path", no value) and every value under it (as
// "root\\path|name"), of every root the program uses.
using RegistryDump = std::map<std::string, std::optional<RegValueData>>;
RegistryDump DumpRegistry(RegistryStore& store);

}  // namespace brisko::testing
