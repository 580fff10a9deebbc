#include "startup/startup_sequence.h"

#include "engine/detect_os_edition.h"
#include "engine/item_passes.h"
#include "engine/item_rules.h"
#include "engine/pc_information.h"
#include "startup/item_enabling.h"
#include "startup/migration.h"
#include "startup/path_detection.h"
#include "startup/startup_fixups.h"

namespace brisko {

void RunStartupSequence(ProgramContext& ctx) {
    LoadItemLists(ctx);
    InstallItemRules(ctx.items);
    DetectOsEdition(ctx);
    DetectPaths(ctx);
    RunStartupFixups(ctx);
    ReadPcInformation(ctx);
    DetectItemStates(ctx);
    MarkPreDisabledItems(ctx);
    ApplyDisabledItems(ctx);
    UpdateItemCount(ctx);
    MigrateOlderSettings(ctx);
}

}  // namespace brisko
