#include "backup/restore_command.h"

#include "backup/backup_file.h"
#include "backup/recorded_change.h"
#include "engine/item_passes.h"
#include "engine/pc_information.h"
#include "engine/program_preferences.h"

namespace brisko {

std::string RestoreRefusal(const ChosenBackup& backup, const OsEdition& running) {
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
                   WindowsName(RecordedEdition(running)) + " には復元できません。";
    }
    return "";
}

bool RunRestoreCommand(ProgramContext& ctx, const std::string& path) {
    // The file is read once: what is recognised is what is restored.
    const ChosenBackup backup = ReadChosenBackup(ctx.platform.files, path, ctx.os);
    if (const std::string refusal = RestoreRefusal(backup, ctx.os); !refusal.empty()) {
        ctx.platform.prompts.Warn(refusal);
        return false;
    }
    const std::string note = RestoreRecorded(ctx, backup, path, "復元");
    ResetItemLists(ctx);
    ReadPcInformation(ctx);
    DetectItemStates(ctx);
    UpdateItemCount(ctx);
    const Preferences prefs = PreferencesOf(ctx);
    const std::string done = "Windows の設定を復元しました。\r\n復元した設定を反映するには Windows の再起動または再ログオンが必要です。" +
                             (note.empty() ? "" : "\r\n\r\n" + note);
    if (prefs.RebootPromptWanted()) {
        if (ctx.platform.prompts.Confirm(done + "\r\n今すぐ再起動しますか？")) ctx.platform.processes.RestartWindows();
    } else if (!prefs.InformSuppressed()) {
        ctx.platform.prompts.Inform(done);
    }
    return true;
}

}  // namespace brisko
