// The backup rows of Desktop: the start menu, Active Desktop, the wallpaper, the notification
// area, Security Center.
#include "backup/backup_rows.h"

#include "backup/service_entries.h"

#include "engine/program_preferences.h"
#include "engine/services.h"
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
    e.push_back({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kDesktop, "7", Read(ctx, HKCU, DESK, "Wallpaper", kind::kString));
                 },
                 [](ProgramContext& ctx, const BackupSource& b) {
                     PreferencesOf(ctx).Write(prefkey::kDesktopMemory, "7", Read(ctx, HKCU, DESK, "Wallpaper", kind::kString));
                     const std::string v = b.read(kDesktop, "7");
                     Write(ctx, HKCU, DESK, "Wallpaper", kind::kString, v == NULLT ? std::string() : v);
                 }});
    e.push_back(Value(kDesktop, "8", HKCU, POLICIES, "NoInstrumentation", "DWORD"));
    e.push_back(AlwaysHeld({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kDesktop, "9a", Flag(RegExists(ctx.platform.registry, HKCU, TRAY, "IconStreams", "Value")));
                     rec(kDesktop, "9b", Flag(RegExists(ctx.platform.registry, HKCU, TRAY, "PastIconsStream", "Value")));
                 },
                 [](ProgramContext& ctx, const BackupSource& b) {
                     if (b.read(kDesktop, "9a") != "false" || b.read(kDesktop, "9b") != "false") return;
                     RegDeleteValue(ctx.platform.registry, HKCU, TRAY, "IconStreams");
                     RegDeleteValue(ctx.platform.registry, HKCU, TRAY, "PastIconsStream");
                     if (ctx.platform.prompts.Confirm("\r\n[デスクトップ]⑨を有効にするために、Explorer.exeを再起動しますか？"))
                         ctx.platform.processes.RestartExplorer();
                 }},
                           {{kDesktop, "9a"}, {kDesktop, "9b"}}));
    e.push_back(SecurityCenterEntry());
    return e;
}

}  // namespace brisko::backup_rows
