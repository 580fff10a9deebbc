#include "startup/user_scope.h"

namespace brisko {

namespace {
std::string Refusal(const RunIdentity& who, const std::vector<std::string>& items, const std::string& verb) {
    std::string text = "このコマンドは " + AccountText(who.account, who.sid) + " として実行されています";
    if (who.kind == RunKind::OtherUser)
        text += "が、サインインしているユーザーは " + AccountText(who.shellAccount, who.shellSid) + " です。" +
                "HKEY_CURRENT_USER は実行しているアカウントの設定のため";
    else
        text += "。ここでの HKEY_CURRENT_USER はどのユーザーの設定でもないため";
    text += "、プランのユーザーごとの設定 (次の " + std::to_string(items.size()) + " 項目) を" + verb + "しません:";
    for (const std::string& item : items) text += "\r\n　" + item;
    text += "\r\n/user: で対象のユーザーを指定してください: /user:all,default (このコンピュータのすべてのユーザーと"
            "新しいユーザー)、/user:loaded (サインイン中のユーザー)、/user:ユーザー名 または SID";
    if (who.kind == RunKind::OtherUser) text += "、/user:current (実行しているアカウント)";
    text += "。/user:none ではコンピュータ全体の設定だけを" + verb + "します。\r\n何も変更していません。";
    return text;
}
}  // namespace

std::string UserSuffix(const UserHive& hive) { return hive.sid.empty() ? "" : "  利用者 " + HiveName(hive); }

UserScope ChooseUsers(ProgramContext& ctx, const std::optional<UserChoice>& choice,
                      const std::vector<std::string>& tickedUserItems, const std::string& verb, CommandLog& log) {
    UserScope scope;
    const RunIdentity who = IdentityOfRun(ctx);
    if (!choice) {
        if (who.kind == RunKind::OwnUser) scope.hives = {OwnHive(ctx, who)};
        else if (tickedUserItems.empty()) scope.userItemsLeftOut = true;
        else {
            log.Note(Refusal(who, tickedUserItems, verb));
            scope.refused = true;
        }
        return scope;
    }
    if (choice->none) {
        scope.userItemsLeftOut = true;
        return scope;
    }
    const ResolvedUsers users = ResolveUsers(ctx, *choice, who);
    if (!users.unknown.empty()) {
        for (const std::string& name : users.unknown) log.Note("このコンピュータにプロファイルのないユーザーです: " + name);
        log.Note("何も変更していません。");
        scope.refused = true;
        return scope;
    }
    for (const std::string& skipped : users.skipped) log.Error("このユーザーの設定は扱いません: " + skipped);
    scope.hives = users.hives;
    return scope;
}

}  // namespace brisko
