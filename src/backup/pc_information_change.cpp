#include "backup/pc_information_change.h"

#include "backup/recorded_change.h"
#include "engine/program_preferences.h"
#include "platform/error.h"

namespace brisko {

namespace {
const std::string kChanged =
    "使用者/会社名/コンピュータ名に、表示されている文字列を設定しました。\r\n"
    "変更した設定を反映するには Windows の再起動または再ログオンが必要です。";
}  // namespace

bool ChangePcInformation(ProgramContext& ctx, const PcNames& names) {
    Prompts& prompts = ctx.platform.prompts;
    if (const auto refusal = CheckPcNames(names)) {
        if (refusal->kind == PromptKind::Error) prompts.Error(refusal->text);
        else prompts.Warn(refusal->text);
        return false;
    }
    if (!prompts.Confirm("\r\n表示されている使用者/会社名/コンピュータ名を設定しますか？")) return false;
    RecordedChange change(ctx, "パソコン情報の変更", "");
    try {
        change.Run([&] {
            ctx.journal.LogItem("[パソコン情報] 使用者/会社名/コンピュータ名");
            WritePcInformation(ctx, names);
        });
    } catch (const BriskoError& e) {
        prompts.Error(e.what() + (change.Note().empty() ? "" : "\r\n\r\n" + change.Note()));
        return false;
    }
    const std::string done = kChanged + (change.Note().empty() ? "" : "\r\n\r\n" + change.Note());
    const Preferences prefs = PreferencesOf(ctx);
    if (prefs.RebootPromptWanted()) {
        if (prompts.Confirm(done + "\r\n今すぐ再起動しますか？")) ctx.platform.processes.RestartWindows();
    } else if (!prefs.InformSuppressed()) {
        prompts.Inform(done);
    }
    return true;
}

}  // namespace brisko
