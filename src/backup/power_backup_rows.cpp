// The backup rows of Startup/shutdown: time-outs, the boot file's entries, group policy at start.
#include "backup/backup_rows.h"

#include "platform/profile/profile_file.h"

namespace brisko::backup_rows {

std::vector<BackupEntry> PowerEntries() {
    std::vector<BackupEntry> e;
    const std::string ctrl = "\\SYSTEM\\CurrentControlSet\\Control";
    e.push_back(Value(kPower, "1", HKLM, "\\SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", "Enable", "String"));
    e.push_back(Value(kPower, "2", HKLM, ctrl, "WaitToKillServiceTimeout", "String", "String", "20000"));
    e.push_back(Value(kPower, "3", HKCU, POLICIES, "ClearRecentDocsOnExit", "DWORD"));
    e.push_back(Value(kPower, "4", HKLM, "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                      "KeepRasConnections", "String"));
    e.push_back({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     FileSystem& files = ctx.platform.files;
                     const std::string& boot = ctx.paths.bootFilePath;
                     rec(kPower, "5", Is9x(ctx) ? IniReadValue(files, boot, "Options", "Logo")
                                                : IniReadRawValue(files, boot, "operating systems", BootDefaultKey(ctx)));
                 },
                 // The boot file's entries are rewritten from a recorded text, never emptied.
                 [](ProgramContext& ctx, const BackupSource& b) {
                     if (!FileThere(ctx, ctx.paths.bootFilePath)) return ShowMissingFile(ctx, "起動・終了]5");
                     FileSystem& files = ctx.platform.files;
                     const std::string v = b.read(kPower, "5");
                     if (Is9x(ctx)) {
                         if (v.empty()) return;
                         if (v == NULLT && RecordsAbsence(b)) return IniDeleteKey(files, ctx.paths.bootFilePath, "Options", "Logo");
                         IniWriteExistingValue(files, ctx.paths.bootFilePath, "Options", "Logo", v == NULLT ? "1" : v);
                         return;
                     }
                     const std::string entry = BootDefaultKey(ctx);
                     if (IsRecordedText(v) && IsRecordedText(entry))
                         IniWriteExistingValue(files, ctx.paths.bootFilePath, "operating systems", entry, v);
                 }});
    e.push_back(Value(kPower, "6", HKCU, DESK, "AutoEndTasks", "String", "String", "0"));
    e.push_back(Value(kPower, "7", HKCU, DESK, "WaitToKillAppTimeout", "String", "String", "20000"));
    const std::string syspol = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\system";
    e.push_back(Value(kPower, "8a", HKLM, syspol, "SynchronousMachineGroupPolicy", "DWORD"));
    e.push_back(Value(kPower, "8b", HKLM, syspol, "SynchronousUserGroupPolicy", "DWORD"));
    e.push_back(Value(kPower, "9", HKLM, MM, "ClearPageFileAtShutdown", "DWORD"));
    e.push_back({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kPower, "10", IniReadValue(ctx.platform.files, ctx.paths.bootFilePath, "boot loader", "timeout"));
                 },
                 [](ProgramContext& ctx, const BackupSource& b) {
                     if (!FileThere(ctx, ctx.paths.bootFilePath)) return ShowMissingFile(ctx, "起動・終了]10");
                     const std::string v = b.read(kPower, "10");
                     if (IsRecordedText(v)) IniWriteExistingValue(ctx.platform.files, ctx.paths.bootFilePath, "boot loader", "timeout", v);
                 }});
    return e;
}

}  // namespace brisko::backup_rows
