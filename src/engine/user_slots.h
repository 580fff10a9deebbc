#pragma once
// The preferences some per-user items keep to put a value back later (the
// wallpaper path, the replaced menu mask, whether the AutoPlay mask was
// made), kept for each user apart: under the key followed by "@" and the
// SID of the hive the registry is routed to. Kept values from before (no
// SID) belong to the program's own user, and are read for that hive only.
#include <string>
#include <string_view>

#include "engine/program_context.h"

namespace brisko {

std::string ReadUserSlot(ProgramContext& ctx, std::string_view section, const std::string& key);
// "NULL" writes nothing.
void WriteUserSlot(ProgramContext& ctx, std::string_view section, const std::string& key, const std::string& value);
void DeleteUserSlot(ProgramContext& ctx, std::string_view section, const std::string& key);

}  // namespace brisko
