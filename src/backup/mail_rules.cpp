#include "backup/mail_rules.h"

#include "backup/recorded_change.h"
#include "platform/error.h"
#include "platform/registry_tools.h"
#include "platform/registry_values.h"
#include "engine/program_preferences.h"

namespace brisko {

namespace {
// The export is made under this name and moved into place once it is there.
const char* const kPendingSuffix = ".new";

// Why a tool run failed, naming the tool; empty when it succeeded.
std::string ToolFailure(const std::string& tool, int result) {
    if (result == 0) return "";
    if (result == ProcessLauncher::kNotStarted) return tool + " を起動できませんでした。";
    if (result == ProcessLauncher::kTimedOut)
        return tool + " が " + std::to_string(kRegToolTimeLimitMs / 1000) + " 秒たっても終わらなかったため、中止しました。";
    return tool + " がエラー (終了コード " + std::to_string(result) + ") で終了しました。";
}

bool FileHasBytes(FileSystem& files, const std::string& path) {
    const auto bytes = files.ReadFile(path);
    return bytes && !bytes->empty();
}

// Refuses (and says so) when there is no identity whose rules could be handled.
std::string IdentityKeyOrRefuse(ProgramContext& ctx, const std::string& action) {
    std::string key = MailRuleKeyPath(ctx.platform.registry);
    if (key.empty())
        ctx.platform.prompts.Warn("\r\nOutlook Express の ID が見つからないため、メールルールを" + action + "できません。");
    return key;
}
}  // namespace

std::string MailRuleRootText(const OsEdition& os) { return os.edition == "XP" ? "HKCU" : "HKEY_CURRENT_USER"; }

std::string MailRuleKeyPath(RegistryStore& registry) {
    std::string path;
    for (const auto& name : RegSubKeyNames(registry, RegRoot::CurrentUser, "\\Identities"))
        if (!name.empty() && name[0] == '{')
            path = "\\Identities\\" + name + "\\Software\\Microsoft\\Outlook Express\\5.0\\Rules\\Mail";
    return path;
}

std::string MailRuleBackupPath(const ProgramContext& ctx) {
    return ParentFolder(ctx.paths.executable) + "\\" + kMailRuleBackupName;
}

bool BackupMailRules(ProgramContext& ctx, const std::function<void()>& keepAlive) {
    Prompts& prompts = ctx.platform.prompts;
    FileSystem& files = ctx.platform.files;
    const std::string key = IdentityKeyOrRefuse(ctx, "バックアップ");
    if (key.empty()) return false;
    if (!prompts.Confirm("\r\nOutlook Expressのメールルールをバックアップしますか？")) return false;

    const std::string target = MailRuleBackupPath(ctx);
    const std::string pending = target + kPendingSuffix;
    files.RemoveFile(pending);  // reg would stop to ask before overwriting it
    const int result = RegExportKey(ctx.platform.processes, ctx.os, MailRuleRootText(ctx.os), key, pending, keepAlive);
    std::string failure = ToolFailure(RegToolName(ctx.os), result);
    // Regedit ends with 0 even when it could not export; the file tells.
    if (failure.empty() && !FileHasBytes(files, pending))
        failure = RegToolName(ctx.os) + " がバックアップ ファイルを作成しませんでした。";
    if (!failure.empty()) {
        files.RemoveFile(pending);
        prompts.Error("Outlook Expressのメールルールをバックアップできませんでした。\r\n" + failure +
                      "\r\n以前のバックアップはそのまま残っています。");
        return false;
    }
    const auto bytes = files.ReadFile(pending);
    if (!bytes || !files.WriteReplacing(target, *bytes)) {
        files.RemoveFile(pending);
        throw BriskoError("メールルールのバックアップ ファイル「" + target + "」を書き込めませんでした。");
    }
    files.RemoveFile(pending);
    if (!PreferencesOf(ctx).InformSuppressed())
        prompts.Inform(
            "Outlook Expressのメールルールをバックアップしました。\r\n作成されたバックアップファイルを利用することで、\r\n"
            "Outlook Expressのメールルールを、復元することができます。\r\n\r\n作成フォルダ：" +
            ParentFolder(ctx.paths.executable) + "\\\r\n作成ファイル：" + kMailRuleBackupName);
    return true;
}

bool RestoreMailRules(ProgramContext& ctx, const std::function<void()>& keepAlive) {
    Prompts& prompts = ctx.platform.prompts;
    const std::string source = MailRuleBackupPath(ctx);
    // The tool reads this one file, so this is the one that must be there.
    if (!ctx.platform.files.GetAttributes(source)) {
        prompts.Error("\r\n作成されたメールルールのバックアップが、見つかりません。");
        return false;
    }
    const std::string key = IdentityKeyOrRefuse(ctx, "復元");
    if (key.empty()) return false;
    if (!prompts.Confirm("\r\nOutlook Expressのメールルールを復元しますか？")) return false;

    // The tool's writes are the program's change like any other: after a
    // restore point, with a record of what was imported from where.
    RecordedChange change(ctx, "メールルールの復元", "");
    std::string failure;
    change.Run([&] {
        const int result = RegImportKey(ctx.platform.processes, ctx.os, MailRuleRootText(ctx.os), key, source, keepAlive);
        failure = ToolFailure(RegToolName(ctx.os), result);
        change.AddItem({"[メールルール] Outlook Express のメールルール",
                        {{FullKeyName(RegRoot::CurrentUser, key.substr(1)), "(読み込む前の内容)", source + " から読み込み",
                          failure}},
                        ""});
    });
    const std::string note = change.Note().empty() ? "" : "\r\n\r\n" + change.Note();
    if (!failure.empty()) {
        prompts.Error("Outlook Expressのメールルールを復元できませんでした。\r\n" + failure + note);
        return false;
    }
    if (!PreferencesOf(ctx).InformSuppressed()) prompts.Inform("\r\nOutlook Expressのメールルールを復元しました。" + note);
    return true;
}

}  // namespace brisko
