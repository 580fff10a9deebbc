#include "startup/item_enabling.h"

#include "platform/profile/profile_file.h"
#include "platform/value_text.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"

namespace brisko {

namespace {
const std::string kPre(prefkey::kDisabledByProgram);
const std::string kTrue(prefkey::kDisabledByUser);
}  // namespace

void MarkPreDisabledItems(ProgramContext& ctx) {
    Preferences prefs = PreferencesOf(ctx);
    auto mark = [&](const std::string& key) { prefs.Write(prefkey::kDisabledItem, key, kPre); };
    for (TweakCategory c : kSettingCategories) {
        const auto& list = ctx.items.List(c);
        for (size_t i = 0; i < list.size(); ++i)
            if (!list[i].enabled) mark(prefkey::DisabledItemKey(c, static_cast<int>(i + 1)));
    }
    if (!ctx.items.servicePageEnabled) mark(std::string(prefkey::kServicePage));
    for (size_t i = 0; i < kUtilityButtons.size(); ++i)
        if (!ctx.controls.IsEnabled(kUtilityButtons[i])) mark(prefkey::UtilityKey(static_cast<int>(i + 1)));
    for (size_t i = 0; i < kPCInfoBoxes.size(); ++i)
        if (ctx.controls.IsReadOnly(kPCInfoBoxes[i])) mark(prefkey::PCInfoKey(static_cast<int>(i + 1)));
}

void ApplyDisabledItems(ProgramContext& ctx) {
    // The section is read once, now, for the whole pass.
    const IniSection section = IniReadSection(ctx.platform.files, ctx.paths.preferencesFile,
                                              std::string(prefkey::kDisabledItem));
    auto read = [&](const std::string& key) { return section.Read(key); };
    for (TweakCategory c : kSettingCategories) {
        auto& list = ctx.items.List(c);
        for (size_t i = 0; i < list.size(); ++i) {
            const std::string v = read(prefkey::DisabledItemKey(c, static_cast<int>(i + 1)));
            if (v != kPre) list[i].enabled = v != kTrue;
        }
    }
    const std::string service = read(std::string(prefkey::kServicePage));
    if (service != kPre) {
        ItemModel& m = ctx.items;
        m.servicePageEnabled = service != kTrue && service != kNullText;
        // Services not read yet take it when they are.
        if (m.ServicesRead())
            for (auto& entry : m.List(TweakCategory::Service)) entry.enabled = m.servicePageEnabled;
    }
    for (size_t i = 0; i < kUtilityButtons.size(); ++i) {
        const std::string v = read(prefkey::UtilityKey(static_cast<int>(i + 1)));
        if (v != kPre) ctx.controls.SetEnabled(kUtilityButtons[i], v != kTrue);
    }
    for (size_t i = 0; i < kPCInfoBoxes.size(); ++i) {
        const std::string v = read(prefkey::PCInfoKey(static_cast<int>(i + 1)));
        if (v != kPre) ctx.controls.SetReadOnly(kPCInfoBoxes[i], v == kTrue);
    }
}

}  // namespace brisko
