#pragma once
// The USB host controllers whose polling System item 7 changes.
#include <string>
#include <vector>

#include "engine/program_context.h"

namespace brisko {

// The controller class key of the running family.
std::string UsbClassKey(const OsEdition& os);
// Its controller subkeys "0000", "0001", ... up to the first gap (at most 20).
std::vector<std::string> UsbControllerKeys(ProgramContext& ctx);

}  // namespace brisko
