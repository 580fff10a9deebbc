#pragma once
// /effect: the figures of the 効果 page on the console, as a table or as
// CSV. It reads Windows' records, the history log and (when a service slowed
// a start) the services, and writes nothing but its block of the command log.
#include "engine/program_context.h"

namespace brisko {

class CommandLog;

// Returns kExitDone when there are records of starts, kExitNoRecords (with
// the sentence that says why) when there are none.
int ShowEffect(ProgramContext& ctx, bool csv, CommandLog& log);

}  // namespace brisko
