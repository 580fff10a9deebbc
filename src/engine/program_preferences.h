#pragma once
#include "engine/program_context.h"
#include "prefs/preferences.h"

namespace brisko {

// The preferences file of this run, read and written at the moment of use.
inline Preferences PreferencesOf(ProgramContext& ctx) {
    return Preferences(ctx.platform.files, ctx.paths.preferencesFile);
}

}  // namespace brisko
