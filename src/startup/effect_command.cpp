#include "startup/effect_command.h"

#include "backup/effect_report.h"
#include "startup/silent_run.h"

namespace brisko {

int ShowEffect(ProgramContext& ctx, bool csv, CommandLog& log) {
    // No start-up: the figures need only the backups folder beside the program.
    ctx.paths.executable = ctx.platform.system.ExecutablePath();
    const EffectFigures figures = ReadEffectFigures(ctx);
    if (!figures.HasRecords()) {
        log.Note(figures.why);
        return kExitNoRecords;
    }
    std::string text;
    for (const std::string& line : csv ? EffectCsvLines(figures) : EffectReportLines(figures)) text += line + "\r\n";
    log.Note(text);
    return kExitDone;
}

}  // namespace brisko
