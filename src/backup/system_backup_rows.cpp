// The backup rows of System: memory, the Windows subsystem, USB controllers, the optional
// components, Windows Update.
#include "backup/backup_rows.h"

#include "engine/program_preferences.h"
#include "engine/system_items.h"
#include "engine/usb_controllers.h"
#include "platform/profile/profile_file.h"
#include "platform/text/case_fold.h"
#include "prefs/preference_keys.h"

namespace brisko::backup_rows {

std::vector<BackupEntry> SystemEntries() {
    std::vector<BackupEntry> e;
    e.push_back(Value(kSystem, "1", HKLM, MM, "DisablePagingExecutive", "DWORD"));
    e.push_back(Value(kSystem, "2", HKLM, MM, "LargeSystemCache", "DWORD"));
    // The Windows subsystem: NT does not start without it. The item changes
    // only its heap sizes, so a restore puts back only those, into the line
    // as it is now (its server DLLs and the rest belong to this Windows), and
    // never deletes or empties it.
    e.push_back(AlwaysHeld({[](ProgramContext& ctx, const BackupRecorder& rec) {
                                rec(kSystem, "3", Read(ctx, HKLM, SUBSYSTEMS, "Windows", kind::kString));
                            },
                            [](ProgramContext& ctx, const BackupSource& b) {
                                const std::string now = Read(ctx, HKLM, SUBSYSTEMS, "Windows", kind::kString);
                                const auto line = WithSharedSectionOf(now, b.read(kSystem, "3"));
                                if (line && *line != now) Write(ctx, HKLM, SUBSYSTEMS, "Windows", kind::kExString, *line);
                            }},
                           {{kSystem, "3"}}, "NT"));
    e.push_back(Value(kSystem, "4", HKLM, MM, "IoPageLockLimit", "DWORD"));
    e.push_back(Value(kSystem, "5", HKLM, "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "IRQ8Priority", "DWORD"));
    e.push_back(Value(kSystem, "6", HKLM, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "AlwaysUnloadDLL",
                      "DWORD"));
    BackupEntry usb{[](ProgramContext& ctx, const BackupRecorder& rec) {
                     const auto keys = UsbControllerKeys(ctx);
                     for (size_t n = 0; n < keys.size(); ++n)
                         rec(kSystem, "7." + std::to_string(n), Read(ctx, HKLM, keys[n], "IdleEnable", kind::kDword));
                 },
                 [](ProgramContext& ctx, const BackupSource& b) {
                     const auto keys = UsbControllerKeys(ctx);
                     for (size_t n = 0; n < keys.size(); ++n)
                         Write(ctx, HKLM, keys[n], "IdleEnable", kind::kDword, b.read(kSystem, "7." + std::to_string(n)));
                 }};
    usb.kinds = [](const OsEdition&, const BackupSource& b) { return EveryKey(b, kSystem, "7.", kind::kDword); };
    e.push_back(std::move(usb));
    e.push_back(Value(kSystem, "8", HKCU, POLICIES, "NoLowDiskSpaceChecks", "DWORD"));
    // Item 9: the component lines the item changed, as kept in the preferences.
    e.push_back({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     Preferences prefs = PreferencesOf(ctx);
                     for (const auto& key : prefs.Keys(prefkey::kSystem9Memory))
                         rec(kSystem9, key, prefs.Read(prefkey::kSystem9Memory, key));
                 },
                 [](ProgramContext& ctx, const BackupSource& b) {
                     if (!FileThere(ctx, ctx.paths.sysocFilePath)) {
                         ctx.platform.prompts.Error(kSysocMissingMessage);
                         return;
                     }
                     Preferences prefs = PreferencesOf(ctx);
                     FileSystem& files = ctx.platform.files;
                     const auto kept = b.keys(kSystem9);
                     if (!kept.empty()) {
                         for (const auto& key : kept) {
                             const std::string line = b.read(kSystem9, key);
                             if (text::AsciiLower(line).find("hide") == std::string::npos) continue;
                             prefs.Write(prefkey::kSystem9Memory, key, line);
                             IniWriteExistingValue(files, ctx.paths.sysocFilePath, SYSOC_COMPONENTS, key, WithoutHideFlag(line));
                         }
                         return;
                     }
                     for (const auto& key : prefs.Keys(prefkey::kSystem9Memory)) {
                         IniWriteExistingValue(files, ctx.paths.sysocFilePath, SYSOC_COMPONENTS, key,
                                               prefs.Read(prefkey::kSystem9Memory, key));
                         prefs.Delete(prefkey::kSystem9Memory, key);
                     }
                 }});
    e.push_back(Value(kSystem, "10", HKLM, "\\SOFTWARE\\Policies\\Microsoft\\Windows\\WindowsUpdate", "DoNotAllowSP",
                      "DWORD"));
    return e;
}

}  // namespace brisko::backup_rows
