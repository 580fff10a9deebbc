#include "startup/startup_sequence.h"

#include "engine/detect_os_edition.h"
#include "engine/item_passes.h"
#include "engine/item_rules.h"
#include "engine/pc_information.h"
#include "engine/user_targets.h"
#include "startup/item_enabling.h"
#include "startup/migration.h"
#include "startup/path_detection.h"
#include "startup/startup_fixups.h"

namespace brisko {

void RunStartupSequence(ProgramContext& ctx) {
    StepTrace& trace = ctx.trace();
    RouteToOwnHive(ctx);
    LoadItemLists(ctx);
    InstallItemRules(ctx.items);
    trace.Step("item lists");
    DetectOsEdition(ctx);
    DetectPaths(ctx);
    trace.Step("edition and paths");
    RunStartupFixups(ctx);
    trace.Step("fix-ups");
    ReadPcInformation(ctx);
    trace.Step("PC information");
    DetectItemStates(ctx);
    trace.Step("detection");
    MarkPreDisabledItems(ctx);
    ApplyDisabledItems(ctx);
    UpdateItemCount(ctx);
    trace.Step("item enabling");
    MigrateOlderSettings(ctx);
    trace.Step("migration");
}

}  // namespace brisko
