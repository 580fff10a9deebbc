#include "startup/migration.h"

#include "platform/value_text.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"

namespace brisko {

namespace {
void CopySection(const Preferences& from, Preferences& to, std::string_view section) {
    for (const auto& key : from.Keys(section)) to.Write(section, key, from.Read(section, key));
}

// From the first file, or from the second when the first has nothing.
std::string ReadWithFallback(const Preferences& a, const Preferences& b, std::string_view section,
                             std::string_view key) {
    std::string value = a.Read(section, key);
    if (value == kNullText || value.empty()) value = b.Read(section, key);
    return value;
}
}  // namespace

void MigrateOlderSettings(ProgramContext& ctx) {
    Preferences prefs = PreferencesOf(ctx);
    if (prefs.Read(prefkey::kSettings, prefkey::kTransitOption) != kNullText) return;
    const std::string folder = ctx.platform.system.CurrentDirectory();
    const Preferences a(ctx.platform.files, folder + "\\Tessaly.ini");
    const Preferences b(ctx.platform.files, folder + "\\Marvanel.ini");

    CopySection(a, prefs, prefkey::kSettings);
    CopySection(a.Keys(prefkey::kSystem9Memory).empty() ? b : a, prefs, prefkey::kSystem9Memory);
    prefs.Write(prefkey::kDesktopMemory, "7", ReadWithFallback(a, b, prefkey::kDesktopMemory, "7"));
    prefs.Write(prefkey::kDesktop10Memory, "Security Center", a.Read(prefkey::kDesktop10Memory, "Security Center"));
    prefs.Write(prefkey::kExplorerMemory, "8", ReadWithFallback(a, b, prefkey::kExplorerMemory, "8"));
    // The older editions kept the animation mask with its last byte B0; this
    // edition's default ends in BE.
    std::string mask = ReadWithFallback(a, b, prefkey::kOthersMemory, "6");
    if (mask.size() >= 2 && mask.ends_with("B0")) mask = mask.substr(0, mask.size() - 2) + "BE";
    prefs.Write(prefkey::kOthersMemory, "6", mask);
    CopySection(a, prefs, prefkey::kServicesMemory);
    prefs.Write(prefkey::kSettings, prefkey::kTransitOption, "1");
}

}  // namespace brisko
