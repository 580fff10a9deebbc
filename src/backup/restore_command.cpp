#include "backup/restore_command.h"

#include "backup/backup_file.h"
#include "backup/recorded_change.h"
#include "engine/item_passes.h"
#include "engine/pc_information.h"
#include "engine/program_preferences.h"

namespace brisko {

namespace {
std::string BuildName(const std::string& recorded) {
    const auto build = ParseBuildText(recorded);
    return build ? WindowsName(*build) : recorded;
}
}  // namespace

std::string RestoreRefusal(const ChosenBackup& backup, const MachineIdentity& here) {
    switch (backup.check) {
        case BackupCheck::Backup: return "";
        case BackupCheck::NotABackup: return "\r\n選択されたファイルはバックアップ ファイルではありません。";
        case BackupCheck::Unreadable: return "\r\n選択されたファイルを読み込めないため、復元できません。";
        case BackupCheck::Incomplete: return "\r\n選択されたバックアップ ファイルは途中で切れているため、復元できません。";
        case BackupCheck::EntriesMissing:
            return "\r\n選択されたバックアップ ファイルには必要な項目がそろっていないため、復元できません。";
        case BackupCheck::Damaged:
            return "\r\n選択されたバックアップ ファイルは壊れているため、復元できません。何も変更していません。\r\n" +
                   backup.damaged;
        case BackupCheck::OtherFamily:
            return "\r\n選択されたバックアップ ファイルは " + WindowsName(backup.madeOn) + " で作成されたもので、この " +
                   WindowsName(RecordedEdition(here.os)) + " には復元できません。";
        case BackupCheck::OtherComputer:
            return "\r\n選択されたバックアップ ファイルは別のコンピュータ (" + backup.madeOnComputer +
                   ") で作成されたもので、このコンピュータ (" + (here.computer.empty() ? here.registered : here.computer) +
                   ") には復元できません。何も変更していません。\r\n"
                   "バックアップは、それを作成したコンピュータでだけ復元できます。";
        case BackupCheck::OtherBuild:
            return "\r\n選択されたバックアップ ファイルは " + BuildName(backup.madeOnBuild) + " で作成されたもので、この " +
                   WindowsName(here.build) + " には復元できません。何も変更していません。\r\n"
                   "Windows の更新の前に作成したバックアップは、更新の後には復元できません。";
        case BackupCheck::Crowded:
            return "\r\n" + backup.damaged + "\r\n何も変更していません。";
    }
    return "";
}

bool RunRestoreCommand(ProgramContext& ctx, const std::string& path) {
    // The file is read once: what is recognised is what is restored.
    const MachineIdentity here = IdentityOf(ctx);
    const ChosenBackup backup = ReadChosenBackup(ctx.platform.files, path, here);
    if (const std::string refusal = RestoreRefusal(backup, here); !refusal.empty()) {
        ctx.platform.prompts.Warn(refusal);
        return false;
    }
    const RestoreOutcome outcome = RestoreRecorded(ctx, backup, path, "復元");
    ResetItemLists(ctx);
    ReadPcInformation(ctx);
    DetectItemStates(ctx);
    UpdateItemCount(ctx);
    const Preferences prefs = PreferencesOf(ctx);
    std::string done = "Windows の設定を復元しました。\r\n復元した設定を反映するには Windows の再起動または再ログオンが必要です。";
    for (const std::string& note : {RestoreBackupNote(outcome), outcome.note})
        if (!note.empty()) done += "\r\n\r\n" + note;
    if (prefs.RebootPromptWanted()) {
        if (ctx.platform.prompts.Confirm(done + "\r\n今すぐ再起動しますか？")) ctx.platform.processes.RestartWindows();
    } else if (!prefs.InformSuppressed()) {
        ctx.platform.prompts.Inform(done);
    }
    return true;
}

}  // namespace brisko
