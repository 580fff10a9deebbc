// The backup rows of Desktop: the start menu, Active Desktop, the wallpaper, the notification
// area, Security Center.
#include "backup/backup_rows.h"

#include "backup/service_entries.h"

#include "engine/program_preferences.h"
#include "engine/services.h"
#include "engine/user_slots.h"
#include "prefs/preference_keys.h"

namespace brisko::backup_rows {

std::vector<BackupEntry> DesktopEntries() {
    std::vector<BackupEntry> e;
    e.push_back(Value(kDesktop, "1", HKCU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
                      "EnableBalloonTips", "DWORD"));
    e.push_back(Value(kDesktop, "2", HKCU, DESK, "MenuShowDelay", "String"));
    e.push_back(Value(kDesktop, "3", HKCU, POLICIES, "NoSimpleStartMenu", "DWORD"));
    e.push_back(Value(kDesktop, "4", HKLM, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer",
                      "Max Cached Icons", "String"));
    e.push_back(Value(kDesktop, "5a", HKCU, POLICIES, "NoActiveDesktop", "DWORD"));
    e.push_back(Value(kDesktop, "5b", HKCU, POLICIES, "NoActiveDesktopChanges", "DWORD"));
    e.push_back(Value(kDesktop, "6a", HKCU, POLICIES, "ClassicShell", "DWORD"));
    e.push_back(Value(kDesktop, "6b", HKCU, POLICIES, "NoCustomizeWebView", "DWORD"));
    // Wallpaper: the one now in place is kept for the item, as optimising it would.
    const auto keepWallpaper = [](ProgramContext& ctx, const BackupSource&) {
        WriteUserSlot(ctx, prefkey::kDesktopMemory, "7", Read(ctx, HKCU, DESK, "Wallpaper", kind::kString));
    };
    e.push_back(KeptExactly({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kDesktop, "7", Read(ctx, HKCU, DESK, "Wallpaper", kind::kString));
                 },
                 [keepWallpaper](ProgramContext& ctx, const BackupSource& b) {
                     keepWallpaper(ctx, b);
                     const std::string v = b.read(kDesktop, "7");
                     Write(ctx, HKCU, DESK, "Wallpaper", kind::kString, v == NULLT ? std::string() : v);
                 }}, {{kDesktop + ".7", HKCU, DESK, "Wallpaper"}}, {}, keepWallpaper));
    e.push_back(Value(kDesktop, "8", HKCU, POLICIES, "NoInstrumentation", "DWORD"));
    const auto restartShell = [](ProgramContext& ctx, const BackupSource& b) {
        if (b.read(kDesktop, "9a") == "false" && b.read(kDesktop, "9b") == "false" &&
            ctx.platform.prompts.Confirm("\r\n[デスクトップ]⑨を有効にするために、Explorer.exeを再起動しますか？"))
            ctx.platform.processes.RestartExplorer();
    };
    e.push_back(KeptExactly(AlwaysHeld({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kDesktop, "9a", Flag(RegExists(ctx.platform.registry, HKCU, TRAY, "IconStreams", "Value")));
                     rec(kDesktop, "9b", Flag(RegExists(ctx.platform.registry, HKCU, TRAY, "PastIconsStream", "Value")));
                 },
                 [restartShell](ProgramContext& ctx, const BackupSource& b) {
                     if (b.read(kDesktop, "9a") != "false" || b.read(kDesktop, "9b") != "false") return;
                     RegDeleteValue(ctx.platform.registry, HKCU, TRAY, "IconStreams");
                     RegDeleteValue(ctx.platform.registry, HKCU, TRAY, "PastIconsStream");
                     restartShell(ctx, b);
                 }},
                           {{kDesktop, "9a"}, {kDesktop, "9b"}}),
                            {{kDesktop + ".9a", HKCU, TRAY, "IconStreams"}, {kDesktop + ".9b", HKCU, TRAY, "PastIconsStream"}},
                            {}, nullptr, restartShell));
    e.push_back(SecurityCenterEntry());
    return e;
}

}  // namespace brisko::backup_rows
