#include "startup/command_line.h"

#include "platform/text/case_fold.h"
#include "product_version.h"

namespace brisko {

namespace {
bool IsSwitch(const std::string& arg) { return arg.size() > 1 && (arg[0] == '/' || arg[0] == '-'); }

struct SwitchForm {
    const char* name;
    CommandKind kind;
    size_t least, most;  // file arguments after the switch
};
constexpr SwitchForm kForms[] = {
    {"?", CommandKind::Usage, 0, 0},           {"apply", CommandKind::Apply, 1, 1},
    {"backup", CommandKind::Backup, 0, 1},     {"restore", CommandKind::Restore, 1, 1},
    {"export-plan", CommandKind::ExportPlan, 1, 1}, {"export-reg", CommandKind::ExportReg, 1, 2},
    {"check", CommandKind::Check, 1, 1},       {"effect", CommandKind::Effect, 0, 0},
};

Command Invalid(const std::string& why) {
    Command c;
    c.kind = CommandKind::Invalid;
    c.error = why;
    return c;
}
}  // namespace

namespace {
bool TakesUsers(CommandKind k) {
    return k == CommandKind::Apply || k == CommandKind::Check || k == CommandKind::Restore || k == CommandKind::Backup;
}

// "/user" or "/user:VALUES": false when the argument is no such switch.
bool ReadUserSwitch(Command& c, const std::string& arg, std::string& error) {
    const std::string lower = text::AsciiLower(arg);
    if (!IsSwitch(lower) || !lower.substr(1).starts_with("user")) return false;
    const std::string rest = arg.substr(5);
    if (!rest.empty() && rest[0] != ':') return false;
    if (c.kind == CommandKind::ExportReg) {
        if (rest.empty()) c.regPart = RegPart::User;
        else if (text::AsciiLower(rest) == ":default") c.regPart = RegPart::DefaultUser;
        else error = "/export-reg には /user か /user:default だけを指定できます: " + arg;
        return true;
    }
    if (!TakesUsers(c.kind)) error = "このスイッチは使えません: " + arg;
    else if (rest.size() < 2) error = "/user: のあとにユーザーを指定してください (current, loaded, all, default, SID, ユーザー名, none): " + arg;
    else if (c.users) error = "/user: が二つあります: " + arg;
    else c.users = ParseUserChoice(rest.substr(1), error);
    return true;
}
}  // namespace

Command ParseCommandLine(const std::vector<std::string>& args) {
    if (args.empty()) return {};
    const std::string first = text::AsciiLower(args[0]);
    const SwitchForm* form = nullptr;
    for (const SwitchForm& f : kForms)
        if (IsSwitch(first) && first.substr(1) == f.name) form = &f;
    if (!form) return Invalid("不明なスイッチです: " + args[0]);
    Command c;
    c.kind = form->kind;
    std::vector<std::string> files;
    for (size_t i = 1; i < args.size(); ++i) {
        const bool mayBeQuiet = c.kind == CommandKind::Apply || c.kind == CommandKind::Check;
        std::string error;
        if (mayBeQuiet && text::AsciiLower(args[i]) == "/quiet") c.quiet = true;
        else if (c.kind == CommandKind::Effect && text::AsciiLower(args[i]) == "/csv") c.csv = true;
        else if (ReadUserSwitch(c, args[i], error)) {
            if (!error.empty()) return Invalid(error);
        } else if (IsSwitch(args[i])) return Invalid("このスイッチは使えません: " + args[i]);
        else files.push_back(args[i]);
    }
    if (files.size() < form->least) return Invalid("ファイル名が指定されていません: " + args[0]);
    if (files.size() > form->most) return Invalid("余分な引数があります: " + files[form->most]);
    if (!files.empty()) c.file = files[0];
    if (files.size() > 1) c.source = files[1];
    return c;
}

const std::string& UsageText() {
    static const std::string text =
        "Brisko " BRISKO_VERSION " - Windows 高速化ツール\r\n"
        "使い方: brisko.exe [スイッチ]\r\n"
        "スイッチを付けると、ウィンドウを開かずに次の処理を一つ行います。\r\n"
        "\r\n"
        "  /apply プラン [/quiet]   プラン ファイルの通りに設定を変更します (先に自動バックアップ)。\r\n"
        "                           /quiet はコンソールに何も表示しません。\r\n"
        "  /backup [フォルダ]       バックアップ ファイルを作成します (既定は backups フォルダ)。\r\n"
        "  /restore バックアップ    バックアップ ファイルから設定を復元します。\r\n"
        "  /check プラン [/quiet]   何も変更せずに、今の設定がプラン ファイルの通りかを調べ、\r\n"
        "                           違う項目を表示します (0 一致 / 1 違いあり / 2 プランの誤り)。\r\n"
        "  /user:ユーザー           /apply, /check, /restore, /backup のユーザーごとの設定の対象\r\n"
        "                           (コンマで区切って複数指定できます):\r\n"
        "                           current 実行しているアカウント / loaded サインイン中のユーザー\r\n"
        "                           / all このコンピュータのすべてのユーザー / default 新しいユーザー\r\n"
        "                           / SID またはユーザー名 / none コンピュータ全体の設定だけ。\r\n"
        "                           SYSTEM やサービスとして実行するときは必ず指定します。\r\n"
        "  /export-plan ファイル    今の設定の状態をプラン ファイルに書き出します。\r\n"
        "  /export-reg ファイル [プラン|バックアップ] [/user | /user:default]\r\n"
        "                           プランまたはバックアップの通りにする .reg ファイルを書き出します。\r\n"
        "                           省略すると今のチェックの状態を書き出します。プランの .reg は\r\n"
        "                           コンピュータ全体の設定だけ、/user でユーザーごとの設定だけ、\r\n"
        "                           /user:default で新しいユーザーの設定 (HKEY_USERS) を書き出します。\r\n"
        "  /effect [/csv]           変更ごとに、前と後の Windows の起動と終了の時間 (中央値) と、\r\n"
        "                           起動を遅らせたものを表示します。/csv は CSV (UTF-8) で出力します\r\n"
        "                           (0 記録あり / 1 この Windows には記録なし)。\r\n"
        "  /?                       この説明を表示します。\r\n"
        "\r\n"
        "終了コード: 0 完了 / 1 設定できなかった項目あり / 2 引数またはファイルの誤り (何も変更しません)\r\n"
        "            / 3 書き込みに失敗\r\n"
        "            / 3010 完了 (/apply と /restore: 反映には Windows の再起動が必要)\r\n"
        "記録: backups\\brisko-command.log に実行ごとに追記します。\r\n";
    return text;
}

}  // namespace brisko
