#include "backup/accelerate_flow.h"

#include "backup/backup_file.h"
#include "backup/recorded_change.h"
#include "engine/change_preview.h"
#include "engine/item_passes.h"
#include "engine/per_user_items.h"
#include "engine/program_preferences.h"
#include "platform/error.h"

namespace brisko {

namespace {
const char* const kChangedMessage =
    "Windows の設定を変更しました。\r\n変更した設定を反映するには Windows の再起動または再ログオンが必要です。";
const char* const kBackupNote =
    "\r\n\r\n※ 「保存と復元」から自動的に作成されたバックアップを指定することで、\r\n"
    "　コンピュータの状態を変更前の時点まで戻すことができます。";

std::string WithNote(const std::string& note) { return note.empty() ? "" : "\r\n\r\n" + note; }

// An item whose writes did not all take (a write refused without a word, as
// DWORD writes are) gets its tick and record as the machine shows; returns
// the labels of such items.
std::vector<std::string> CheckAppliedItems(ProgramContext& ctx, const std::vector<AppliedItem>& applied) {
    std::vector<std::string> failed;
    for (const AppliedItem& a : applied) {
        if (a.outcome != ApplyOutcome::Applied) continue;
        if (a.writesTook) continue;
        ItemRule* rule = ctx.items.Rule(a.category, a.position);
        const bool optimised = rule && rule->IsOptimised(ctx);
        ItemEntry& entry = ctx.items.List(a.category)[a.position];
        failed.push_back(entry.label);
        entry.ticked = optimised;
        ctx.items.states.Set(a.category, a.position, optimised);
    }
    return failed;
}
}  // namespace

AccelerateResult RunAccelerate(ProgramContext& ctx, const std::string& action,
                               const std::function<void(const std::string&)>& begun,
                               const std::vector<ApplyRound>& rounds) {
    AccelerateResult result;
    const bool autoBackup = !PreferencesOf(ctx).AutoBackupSuppressed();
    const std::string backup = autoBackup ? CreateBackup(ctx, true) : std::string();
    ctx.items.NeedServices();  // the records compared hold the services
    const ItemStateTable before = ctx.items.states;
    RecordedChange change(ctx, action, backup);
    change.RecordOnlyWhatWrote();
    if (begun) change.OnBegun([&] { begun(backup); });
    change.Run([&] {
        if (rounds.empty()) {
            result.notSet = CheckAppliedItems(ctx, ApplyItemStates(ctx));
            result.changed = !(ctx.items.states == before);
            return;
        }
        for (const ApplyRound& round : rounds) {
            round.prepare();
            const ItemStateTable start = ctx.items.states;
            for (auto& label : CheckAppliedItems(ctx, ApplyItemStates(ctx))) result.notSet.push_back(label + round.whose);
            result.changed = result.changed || !(ctx.items.states == start);
            if (round.done) round.done(start);
        }
    });
    result.note = change.Note();
    if (!result.notSet.empty() || result.changed) UpdateItemCount(ctx);
    // Kept exactly when the record names it: when something was written.
    if (change.Wrote()) result.backup = backup;
    else if (!backup.empty()) ctx.platform.files.RemoveFile(backup);
    return result;
}

void BtnAccelerateClick(ProgramContext& ctx) {
    if (const std::string question = OtherAccountQuestion(ctx); !question.empty() && !ctx.platform.prompts.Confirm(question))
        return;
    std::vector<ChangeLine> changes;
    try {
        changes = PreviewChanges(ctx);
    } catch (const BriskoError&) {
        // No list then: the question stands alone, and applying reports the refusal.
    }
    if (!ctx.platform.prompts.ConfirmChanges("\r\nWindows の設定を変更しますか？", changes)) return;
    const Preferences prefs = PreferencesOf(ctx);
    const AccelerateResult result = RunAccelerate(ctx);
    // After items that did not take, no message may say the settings changed:
    // the error stands, and the automatic backup is kept.
    if (!result.notSet.empty()) {
        std::string failed;
        for (const auto& label : result.notSet) failed += "\r\n" + label;
        ctx.platform.prompts.Error("次の項目は設定できませんでした" + failed + WithNote(result.note));
        return;
    }
    if (!result.changed) {
        if (!prefs.InformSuppressed()) ctx.platform.prompts.Inform("\r\n変更された設定はありません。" + WithNote(result.note));
        return;
    }
    const std::string note = (prefs.AutoBackupSuppressed() ? "" : kBackupNote) + WithNote(result.note);
    if (prefs.RebootPromptWanted()) {
        if (ctx.platform.prompts.Confirm(std::string(kChangedMessage) + "\r\n今すぐ再起動しますか？" + note))
            ctx.platform.processes.RestartWindows();
    } else if (!prefs.InformSuppressed()) {
        ctx.platform.prompts.Inform(kChangedMessage + note);
    }
}

}  // namespace brisko
