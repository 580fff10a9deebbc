#pragma once
#include <functional>
#include <string>
#include <vector>

#include "engine/program_context.h"

namespace brisko {

struct AccelerateResult {
    bool changed = false;              // some item's record changed
    std::vector<std::string> notSet;   // labels of the items whose writes did not all take
    std::string backup;                // the automatic backup kept; empty when none
    std::string note;                  // a declined restore point or an unwritten history, for the final message
};

// One round of the apply pass, for one user's hive or the machine's items:
// `prepare` routes the registry and sets the ticks; `done`, when given, is
// told the records as they stood before the round.
struct ApplyRound {
    std::function<void()> prepare;
    std::function<void(const ItemStateTable& before)> done;
    std::string whose;  // added to the labels of its items that did not take (the user)
};

// The accelerate button's work without its questions and messages: back up
// (unless the preferences switch the automatic backup off), apply the changed
// ticks and check that they took. An item that did not take gets its tick and
// record as the machine shows; the backup is then kept. When nothing was
// written the backup is removed again, and no history record is left. A refused write throws BriskoError out of it
// (the automatic backup is then kept).
// The writes run between a restore point and a history record (action names
// them there). begun, when given, gets the automatic backup's path (empty
// when none) once the record is begun, before the first write. With rounds,
// the apply pass runs once per round, all between the one backup (of every
// hive in ctx.userHives) and the one record; without, once as the ticks stand.
AccelerateResult RunAccelerate(ProgramContext& ctx, const std::string& action = "高速化",
                               const std::function<void(const std::string&)>& begun = nullptr,
                               const std::vector<ApplyRound>& rounds = {});

// The accelerate button: confirm with the list of changes, run the above,
// report, offer a restart.
void BtnAccelerateClick(ProgramContext& ctx);

}  // namespace brisko
