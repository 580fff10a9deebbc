#include "engine/desktop_items.h"

#include "engine/program_context.h"
#include "engine/protected_services.h"
#include "engine/service_control.h"
#include "engine/value_item.h"
#include "platform/registry_values.h"
#include "platform/value_text.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"
#include "engine/user_slots.h"

namespace brisko {

namespace {
const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;
const std::string ADV = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const std::string DESK = "\\Control Panel\\Desktop";
const std::string POL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string EXPL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string TRAY = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify";
const std::string WSC = std::string(kServicesKey) + "\\wscsvc";

constexpr std::string_view DWORD_KIND = kind::kDword;
constexpr std::string_view STRING_KIND = kind::kString;

// Item 7: hides the wallpaper, keeping its path in the preferences until it
// is put back; with nothing kept, the edition's own wallpaper comes back.
class WallpaperRule final : public ItemRule {
public:
    bool IsOptimised(ProgramContext& ctx) const override { return Read(ctx) == kNullText; }
    ApplyOutcome Optimise(ProgramContext& ctx) override {
        WriteUserSlot(ctx, prefkey::kDesktopMemory, kKey, Read(ctx));  // "NULL" writes nothing
        RegWriteValue(ctx.platform.registry, HKCU, DESK, kWallpaper, STRING_KIND, "");
        return ApplyOutcome::Applied;
    }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override {
        std::string path = ReadUserSlot(ctx, prefkey::kDesktopMemory, kKey);
        WriteUserSlot(ctx, prefkey::kDesktopMemory, kKey, "");
        if (path == kNullText || path.empty()) path = EditionWallpaper(ctx, path);
        RegWriteValue(ctx.platform.registry, HKCU, DESK, kWallpaper, STRING_KIND, path);  // "NULL" deletes
        return ApplyOutcome::Applied;
    }

private:
    static constexpr const char* kWallpaper = "Wallpaper";
    static constexpr const char* kKey = "7";
    static std::string Read(ProgramContext& ctx) {
        return RegReadValue(ctx.platform.registry, HKCU, DESK, kWallpaper, STRING_KIND);
    }
    // The wallpaper a fresh installation shows; other editions keep `fallback`.
    static std::string EditionWallpaper(ProgramContext& ctx, const std::string& fallback) {
        const std::string& windows = ctx.paths.windowsFolder;
        // Windows 7 and later (which tell the program they are XP): their own
        // picture, where it is there.
        if (IsVistaOrLater(ctx.platform.system.Version())) {
            const std::string own = windows + "\\Web\\Wallpaper\\Windows\\img0.jpg";
            return ctx.platform.files.GetAttributes(own) ? own : fallback;
        }
        if (ctx.os.family == "9x") return windows + "\\セットアップ.bmp";
        if (ctx.os.edition == "2k") return windows + "\\シャボン.bmp";
        if (ctx.os.edition == "XP") return windows + "\\web\\wallpaper\\草原.bmp";
        return fallback;
    }
};

// Item 9: forgets the notification area's past icons; the shell only lets
// go of them when it restarts, so the user is offered that.
class PastTrayIconsRule final : public ItemRule {
public:
    bool IsOptimised(ProgramContext& ctx) const override {
        for (const char* name : kStreams)
            if (RegExists(ctx.platform.registry, HKCU, TRAY, name, "Value")) return false;
        return true;
    }
    ApplyOutcome Optimise(ProgramContext& ctx) override {
        for (const char* name : kStreams) RegDeleteValue(ctx.platform.registry, HKCU, TRAY, name);
        if (ctx.platform.prompts.Confirm(kRestartQuestion)) ctx.platform.processes.RestartExplorer();
        return ApplyOutcome::Applied;
    }
    // Windows builds the streams again by itself.
    ApplyOutcome ApplyDefault(ProgramContext&) override { return ApplyOutcome::Applied; }
    RestartNeed AfterChange(const ProgramContext&) const override { return RestartNeed::Explorer; }
    std::vector<RegistryValue> OptimisedValues(const ProgramContext&) const override {
        return ValuesOf(HKCU, TRAY, {kStreams[0], kStreams[1]}, std::string(kind::kBinary));
    }

private:
    static constexpr const char* kStreams[] = {"IconStreams", "PastIconsStream"};
    static constexpr const char* kRestartQuestion =
        "\r\n[デスクトップ]⑨を有効にするために、Explorer.exeを再起動しますか？";
};

// Item 10: the Security Center service, stopped for good (start type kept
// under its display name) or started again.
class SecurityCenterRule final : public ItemRule {
public:
    bool IsOptimised(ProgramContext& ctx) const override {
        return ctx.platform.services.QueryState(kKeyName) == ServiceState::Stopped;
    }
    ApplyOutcome Optimise(ProgramContext& ctx) override {
        const std::string name = DisplayName(ctx);
        if (name.empty()) return ApplyOutcome::GaveUp;
        return StopServiceKeepingStartType(ctx, {kKeyName, name}, prefkey::kDesktop10Memory) ? ApplyOutcome::Applied
                                                                                             : ApplyOutcome::Refused;
    }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override {
        const std::string name = DisplayName(ctx);
        if (name.empty()) return ApplyOutcome::GaveUp;
        return StartServiceRestoringStartType(ctx, {kKeyName, name}, prefkey::kDesktop10Memory)
                   ? ApplyOutcome::Applied
                   : ApplyOutcome::Refused;
    }

private:
    static constexpr const char* kKeyName = "wscsvc";
    // Empty, after telling the user, when the service has no readable name.
    static std::string DisplayName(ProgramContext& ctx) {
        const std::string name = RegReadValue(ctx.platform.registry, HKLM, WSC, "DisplayName", STRING_KIND);
        if (name != kNullText && name != kUnfitType) return name;
        ctx.platform.prompts.Error(
            "サービス wscsvc (セキュリティセンター) の表示名を読み取れないため、変更しませんでした。\r\n"
            "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\wscsvc を確認してください。");
        return {};
    }
};
}  // namespace

std::vector<std::unique_ptr<ItemRule>> MakeDesktopRules() {
    std::vector<std::unique_ptr<ItemRule>> rules;
    rules.push_back(ValueItem(HKCU, ADV, {"EnableBalloonTips"}, DWORD_KIND, Write("0"), Delete(), {"0"}));
    rules.push_back(ValueItem(HKCU, DESK, {"MenuShowDelay"}, STRING_KIND, Write("50"), Write("400"), {"50"}));
    rules.push_back(ValueItem(HKCU, POL, {"NoSimpleStartMenu"}, DWORD_KIND, Write("1"), Delete(), {"1"}));
    rules.push_back(ValueItem(HKLM, EXPL, {"Max Cached Icons"}, STRING_KIND, Write("320"), Delete(), {"320"}));
    rules.push_back(ValueItem(HKCU, POL, {"NoActiveDesktop", "NoActiveDesktopChanges"}, DWORD_KIND, Write("1"),
                              Delete(), {"1"}));
    rules.push_back(
        ValueItem(HKCU, POL, {"ClassicShell", "NoCustomizeWebView"}, DWORD_KIND, Write("1"), Delete(), {"1"}));
    rules.push_back(std::make_unique<WallpaperRule>());
    rules.push_back(ValueItem(HKCU, POL, {"NoInstrumentation"}, DWORD_KIND, Write("1"), Delete(), {"1"}));
    rules.push_back(std::make_unique<PastTrayIconsRule>());
    rules.push_back(std::make_unique<SecurityCenterRule>());
    return rules;
}

}  // namespace brisko
