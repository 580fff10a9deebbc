#pragma once
#include "engine/program_context.h"

namespace brisko {

// The one-time safety disabling of System items 2-4, then the items this
// machine cannot use: USB polling without USB controllers, the player
// history without Windows Media Player, the Messenger item without its
// Internet Explorer extension.
void RunStartupFixups(ProgramContext& ctx);

}  // namespace brisko
