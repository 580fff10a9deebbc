#pragma once
// Reads a .reg file into a registry store as regedit imports it: the
// sections, [-KEY] deletions, "Name"=- deletions and values of every type.
#include <string>

#include "platform/registry_store.h"

namespace brisko::testing {

// bytes: UTF-16LE with a byte order mark. Fails the test on a line it cannot read.
void ImportRegFile(RegistryStore& store, const std::string& bytes);

}  // namespace brisko::testing
