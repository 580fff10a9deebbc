#include "engine/user_slots.h"

#include "engine/program_preferences.h"
#include "platform/value_text.h"

namespace brisko {

namespace {
const UserHive& Hive(ProgramContext& ctx) { return ctx.userHive.Route().hive; }
std::string SlotKey(ProgramContext& ctx, const std::string& key) {
    const std::string& sid = Hive(ctx).sid;
    return sid.empty() ? key : key + "@" + sid;
}
// A kept value from before belongs to the program's own user.
bool OwnsOlderSlot(ProgramContext& ctx) { return !Hive(ctx).sid.empty() && Hive(ctx).opening == HiveOpening::Own; }
}  // namespace

std::string ReadUserSlot(ProgramContext& ctx, std::string_view section, const std::string& key) {
    const Preferences prefs = PreferencesOf(ctx);
    const std::string value = prefs.Read(section, SlotKey(ctx, key));
    if (value != kNullText || !OwnsOlderSlot(ctx)) return value;
    return prefs.Read(section, key);
}

void WriteUserSlot(ProgramContext& ctx, std::string_view section, const std::string& key, const std::string& value) {
    if (value == kNullText) return;
    Preferences prefs = PreferencesOf(ctx);
    prefs.Write(section, SlotKey(ctx, key), value);
    if (OwnsOlderSlot(ctx)) prefs.Delete(section, key);
}

void DeleteUserSlot(ProgramContext& ctx, std::string_view section, const std::string& key) {
    Preferences prefs = PreferencesOf(ctx);
    prefs.Delete(section, SlotKey(ctx, key));
    if (OwnsOlderSlot(ctx)) prefs.Delete(section, key);
}

}  // namespace brisko
