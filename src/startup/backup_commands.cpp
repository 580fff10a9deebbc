#include "startup/backup_commands.h"

#include "backup/backup_file.h"
#include "backup/hive_restore.h"
#include "backup/recorded_change.h"
#include "backup/reg_export.h"
#include "backup/restore_command.h"
#include "backup/tweak_plan.h"
#include "startup/apply_command.h"
#include "startup/restart_need.h"
#include "startup/user_scope.h"

namespace brisko {

namespace {
// The backup, or its refusal logged (empty path).
ChosenBackup ChosenHere(ProgramContext& ctx, const std::string& path, CommandLog& log, bool& refused) {
    const MachineIdentity here = IdentityOf(ctx);
    ChosenBackup backup = ReadChosenBackup(ctx.platform.files, path, here);
    const std::string refusal = RestoreRefusal(backup, here);
    if (!refusal.empty()) log.Note(refusal);
    refused = !refusal.empty();
    return backup;
}
}  // namespace

int BackupCommand(ProgramContext& ctx, const Command& command, CommandLog& log) {
    const UserScope scope = ChooseUsers(ctx, command.users, {}, "バックアップ", log);
    if (scope.refused) return kExitRefused;
    if (scope.userItemsLeftOut && !command.users) {
        const RunIdentity who = IdentityOfRun(ctx);
        log.Note("ユーザーごとの設定はバックアップしていません: このコマンドは " + AccountText(who.account, who.sid) +
                 " として実行されています (/user: で対象のユーザーを指定できます)。");
    }
    OpenedHives hives(ctx, scope.hives);
    for (const std::string& skipped : hives.Skipped()) log.Error("このユーザーの設定はバックアップしていません: " + skipped);
    ctx.userHives = hives.Hives();
    log.Note("バックアップ: " + (command.file.empty() ? CreateBackup(ctx, true) : CreateBackupIn(ctx, command.file)));
    for (const UserHive& hive : hives.Hives())
        if (!hive.sid.empty()) log.Note("　利用者 " + HiveName(hive));
    for (const std::string& stuck : hives.Close()) log.Error("読み込んだユーザーのハイブをアンロードできませんでした: " + stuck);
    return kExitDone;
}

int RestoreCommand(ProgramContext& ctx, const Command& command, CommandLog& log) {
    bool refused = false;
    const ChosenBackup backup = ChosenHere(ctx, command.file, log, refused);
    if (refused) return kExitRefused;
    const RestoreTargets users = TargetsOf(ctx, backup, command.users);
    if (!users.refusal.empty()) {
        log.Note(users.refusal);
        return kExitRefused;
    }
    const RestartNeed need = NeedOfAction(ctx, [&] { RestoreFromBackup(ctx, backup, users); });
    std::string made;
    const RestoreOutcome outcome = RestoreRecorded(ctx, backup, command.file, "復元 (/restore)", [&](const std::string& path) {
        made = path;
        log.Begin(path);
    }, &users);
    if (!made.empty()) log.Note("復元の前のバックアップ: " + made);
    log.Note("Windows の設定を復元しました: " + command.file);
    for (const BlockTarget& t : users.targets)
        if (!t.hive.sid.empty()) log.Note("　利用者 " + HiveName(t.hive));
    if (!outcome.note.empty()) log.Warn(outcome.note);
    return DoneExitCode(need, log);
}

int ExportRegCommand(ProgramContext& ctx, const Command& command, CommandLog& log) {
    int code = kExitDone;
    std::string text;
    if (command.source.empty()) {
        text = ExportTicksAsReg(ctx, command.regPart);
    } else if (HasPlanMark(ctx.platform.files.ReadFile(command.source, kLargestPlan).value_or(""))) {
        PlanLoad plan;
        code = LoadPlanForCommand(ctx, command.source, log, &plan);
        if (code == kExitRefused) return code;
        text = ExportPlanAsReg(ctx, plan, command.regPart);
    } else {
        if (command.regPart != RegPart::Machine) {
            log.Note("バックアップの .reg には /user を指定できません (ユーザーごとの値は HKEY_USERS\\<SID> に書き出します)。");
            return kExitRefused;
        }
        bool refused = false;
        const ChosenBackup backup = ChosenHere(ctx, command.source, log, refused);
        if (refused) return kExitRefused;
        if (const std::string refusal = TargetsOf(ctx, backup, std::nullopt).refusal; !refusal.empty()) {
            log.Note(refusal);
            return kExitRefused;
        }
        text = ExportBackupAsReg(ctx, backup);
    }
    WriteRegFile(ctx.platform.files, command.file, text);
    log.Note(".reg ファイルを書き出しました: " + command.file);
    return code;
}

}  // namespace brisko
