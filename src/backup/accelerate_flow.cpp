#include "backup/accelerate_flow.h"

#include "backup/backup_file.h"
#include "engine/item_passes.h"
#include "engine/program_preferences.h"

namespace brisko {

namespace {
const char* const kChangedMessage =
    "Windows の設定を変更しました。\r\n変更した設定を反映するには Windows の再起動または再ログオンが必要です。";
const char* const kBackupNote =
    "\r\n\r\n※ 「保存と復元」から自動的に作成されたバックアップを指定することで、\r\n"
    "　コンピュータの状態を変更前の時点まで戻すことができます。";

// An item whose writes did not all take (a write refused without a word, as DWORD writes
// are) is named in one error box, and its tick and record follow what the
// machine shows. False when one was named.
bool CheckAppliedItems(ProgramContext& ctx, const std::vector<AppliedItem>& applied) {
    std::string failed;
    for (const AppliedItem& a : applied) {
        if (a.outcome != ApplyOutcome::Applied) continue;
        if (a.writesTook) continue;
        ItemRule* rule = ctx.items.Rule(a.category, a.position);
        const bool optimised = rule && rule->IsOptimised(ctx);
        ItemEntry& entry = ctx.items.List(a.category)[a.position];
        failed += "\r\n" + entry.label;
        entry.ticked = optimised;
        ctx.items.states.Set(a.category, a.position, optimised);
    }
    if (failed.empty()) return true;
    ctx.platform.prompts.Error("次の項目は設定できませんでした" + failed);
    return false;
}
}  // namespace

void BtnAccelerateClick(ProgramContext& ctx) {
    if (!ctx.platform.prompts.Confirm("\r\nWindows の設定を変更しますか？")) return;
    const Preferences prefs = PreferencesOf(ctx);
    const bool autoBackup = !prefs.AutoBackupSuppressed();
    const std::string backup = autoBackup ? CreateBackup(ctx, true) : std::string();
    const ItemStateTable before = ctx.items.states;
    // After items that did not take, no message may say the settings changed:
    // the error stands, and the automatic backup is kept.
    if (!CheckAppliedItems(ctx, ApplyItemStates(ctx))) {
        UpdateItemCount(ctx);
        return;
    }
    if (ctx.items.states == before) {
        if (!prefs.InformSuppressed()) ctx.platform.prompts.Inform("\r\n変更された設定はありません。");
        if (!backup.empty()) ctx.platform.files.RemoveFile(backup);
        return;
    }
    UpdateItemCount(ctx);
    const std::string note = autoBackup ? kBackupNote : "";
    if (prefs.RebootPromptWanted()) {
        if (ctx.platform.prompts.Confirm(std::string(kChangedMessage) + "\r\n今すぐ再起動しますか？" + note))
            ctx.platform.processes.RestartWindows();
    } else if (!prefs.InformSuppressed()) {
        ctx.platform.prompts.Inform(kChangedMessage + note);
    }
}

}  // namespace brisko
