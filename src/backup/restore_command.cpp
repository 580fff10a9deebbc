#include "backup/restore_command.h"

#include "backup/backup_file.h"
#include "engine/item_passes.h"
#include "prefs/program_preferences.h"

namespace brisko {

bool RunRestoreCommand(ProgramContext& ctx, const std::string& path) {
    switch (CheckBackupFile(ctx.platform.files, path)) {
        case BackupCheck::NotABackup:
            ctx.platform.prompts.Warn("\r\n選択されたファイルはバックアップ ファイルではありません。");
            return false;
        case BackupCheck::Incomplete:
            ctx.platform.prompts.Warn("\r\n選択されたバックアップ ファイルは途中で切れているため、復元できません。");
            return false;
        case BackupCheck::Backup: break;
    }
    RestoreFromBackup(ctx, path);
    ResetItemLists(ctx);
    DetectItemStates(ctx);
    UpdateItemCount(ctx);
    const Preferences prefs = PreferencesOf(ctx);
    const std::string done = "Windows の設定を復元しました。\r\n復元した設定を反映するには Windows の再起動または再ログオンが必要です。";
    if (prefs.RebootPromptWanted()) {
        if (ctx.platform.prompts.Confirm(done + "\r\n今すぐ再起動しますか？")) ctx.platform.processes.RestartWindows();
    } else if (!prefs.InformSuppressed()) {
        ctx.platform.prompts.Inform(done);
    }
    return true;
}

}  // namespace brisko
