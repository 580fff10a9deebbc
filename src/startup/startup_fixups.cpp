#include "startup/startup_fixups.h"

#include "engine/usb_controllers.h"
#include "platform/registry_values.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"

namespace brisko {

namespace {
const char* const kMediaPlayerKey = "\\SOFTWARE\\Microsoft\\MediaPlayer\\";
const char* const kIeExtensionsKey = "\\SOFTWARE\\Microsoft\\Internet Explorer\\Extensions";
const char* const kMessengerExtension = "{FB5F1910-F110-11d2-BB9E-00C04F795683}";

void MakeUnavailable(ProgramContext& ctx, TweakCategory c, int number) {
    ctx.items.List(c).at(number - 1).enabled = false;
}
}  // namespace

void RunStartupFixups(ProgramContext& ctx) {
    Preferences prefs = PreferencesOf(ctx);
    if (prefs.Read(prefkey::kSettings, prefkey::kSafetyDisabled) != "done") {
        for (int n : {2, 3, 4})
            prefs.Write(prefkey::kDisabledItem, prefkey::DisabledItemKey(TweakCategory::System, n),
                        std::string(prefkey::kDisabledByUser));
        prefs.Write(prefkey::kSettings, prefkey::kSafetyDisabled, "done");
    }

    RegistryStore& reg = ctx.platform.registry;
    const RegRoot hklm = RegRoot::LocalMachine;
    if (RegSubKeyNames(reg, hklm, UsbClassKey(ctx.os)).empty()) MakeUnavailable(ctx, TweakCategory::System, 7);

    bool player = false;
    for (const char* version : {"11.0", "10.0", "9.0", "8.0", "7.1", "7.0"})
        player = player || RegExists(reg, hklm, kMediaPlayerKey, version, "Key");
    if (!player) MakeUnavailable(ctx, TweakCategory::Others, 1);

    if (!RegExists(reg, hklm, kIeExtensionsKey, kMessengerExtension, "Key") &&
        !RegExists(reg, hklm, kIeExtensionsKey, std::string(";") + kMessengerExtension, "Key"))
        MakeUnavailable(ctx, TweakCategory::Others, 10);
}

}  // namespace brisko
