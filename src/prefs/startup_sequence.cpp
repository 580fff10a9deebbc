#include "prefs/startup_sequence.h"

#include "engine/detect_os_edition.h"
#include "engine/item_passes.h"
#include "engine/item_rules.h"
#include "engine/pc_information.h"
#include "prefs/item_enabling.h"
#include "prefs/migration.h"
#include "prefs/path_detection.h"
#include "prefs/startup_fixups.h"

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
