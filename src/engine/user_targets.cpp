#include "engine/user_targets.h"

#include <algorithm>

#include "platform/registry_values.h"
#include "platform/text/case_fold.h"
#include "platform/value_text.h"

namespace brisko {

namespace {
const std::string kProfileList = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";
const std::string kLoadedPrefix = kLoadedHivePrefix;

std::string ProfileValue(ProgramContext& ctx, const std::string& sid, const char* name) {
    const std::string v = RegReadValue(ctx.platform.registry, RegRoot::LocalMachine, kProfileList + "\\" + sid, name, kind::kString);
    return v == kNullText || v == kUnfitType ? "" : v;
}

bool IsLoaded(ProgramContext& ctx, const std::string& usersKey) {
    return ctx.platform.registry.CanOpenKey(RegRoot::Users, usersKey, RegAccess::Query);
}

std::string ProfileFolder(ProgramContext& ctx, const std::string& sid) {
    const std::string path = ProfileValue(ctx, sid, "ProfileImagePath");
    return path.empty() ? "" : ctx.accounts().ExpandedPath(path);
}

UserHive LoadedHive(ProgramContext& ctx, const std::string& sid, const RunIdentity& who) {
    return {sid, ctx.accounts().AccountName(sid), ProfileFolder(ctx, sid),
            sid == who.sid ? HiveOpening::Own : HiveOpening::Loaded, sid, ""};
}

// A profile whose hive is not loaded: nullopt with `why` when it is not to be loaded.
std::optional<UserHive> ProfileHive(ProgramContext& ctx, const std::string& sid, std::string& why) {
    const std::string folder = ProfileFolder(ctx, sid);
    const std::string name = ctx.accounts().AccountName(sid);
    if (folder.empty()) {
        why = "プロファイルのフォルダが登録されていません";
        return std::nullopt;
    }
    // A roaming profile's copy on the server wins at the next sign-in.
    if (!ProfileValue(ctx, sid, "CentralProfile").empty()) {
        why = "移動プロファイルのため変更しません (次のサインインでサーバー上のコピーに置き換わります)";
        return std::nullopt;
    }
    return UserHive{sid, name, folder, HiveOpening::LoadedHere, kLoadedPrefix + sid, folder + "\\NTUSER.DAT"};
}

std::vector<std::string> LoadedUserSids(ProgramContext& ctx) {
    std::vector<std::string> sids;
    for (auto& key : ctx.platform.registry.SubKeyNames(RegRoot::Users, ""))
        if (IsUserSid(key)) sids.push_back(std::move(key));
    return sids;
}

bool StartsWith(const std::string& s, const char* prefix) { return text::AsciiLower(s).starts_with(text::AsciiLower(prefix)); }
}  // namespace

bool IsUserSid(const std::string& sid) {
    const bool person = StartsWith(sid, "S-1-5-21-") || StartsWith(sid, "S-1-12-1-");
    return person && sid.find_first_not_of("Ss0123456789-") == std::string::npos;
}

std::string AccountText(const std::string& account, const std::string& sid) {
    if (account.empty()) return sid.empty() ? "(不明なアカウント)" : sid;
    return sid.empty() ? account : account + " (" + sid + ")";
}

RunIdentity IdentityOfRun(ProgramContext& ctx) {
    UserAccounts& accounts = ctx.accounts();
    RunIdentity who;
    who.sid = accounts.ProcessUser();
    who.account = who.sid.empty() ? "" : accounts.AccountName(who.sid);
    who.shellSid = accounts.ShellUser();
    who.shellAccount = who.shellSid.empty() ? "" : accounts.AccountName(who.shellSid);
    if (who.sid.empty()) who.kind = RunKind::OwnUser;  // nothing to tell: as the program always ran
    else if (!IsUserSid(who.sid)) who.kind = RunKind::SystemOrService;
    else if (!who.shellSid.empty() && !text::AsciiNamesEqual(who.shellSid, who.sid)) who.kind = RunKind::OtherUser;
    return who;
}

std::optional<UserChoice> ParseUserChoice(const std::string& text, std::string& error) {
    UserChoice choice;
    size_t words = 0;
    for (size_t at = 0; at <= text.size();) {
        size_t end = text.find(',', at);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(at, end - at);
        const std::string lower = text::AsciiLower(word);
        ++words;
        if (word.empty()) {
            error = "/user: の値が空です: /user:" + text;
            return std::nullopt;
        }
        if (lower == "current") choice.current = true;
        else if (lower == "loaded") choice.loaded = true;
        else if (lower == "all") choice.all = true;
        else if (lower == "default") choice.defaultProfile = true;
        else if (lower == "none") choice.none = true;
        else choice.named.push_back(word);
        at = end + 1;
    }
    if (choice.none && words > 1) {
        error = "/user:none はほかの値と組み合わせられません: /user:" + text;
        return std::nullopt;
    }
    return choice;
}

UserHive OwnHive(ProgramContext& ctx, const RunIdentity& who) {
    UserHive own{who.sid, who.account, "", HiveOpening::Own, "", ""};
    if (!who.sid.empty()) {
        own.profile = ProfileFolder(ctx, who.sid);
        if (IsLoaded(ctx, who.sid)) own.usersKey = who.sid;
    }
    return own;
}

void RouteToOwnHive(ProgramContext& ctx) {
    const RunIdentity who = IdentityOfRun(ctx);
    ctx.userHive.Route({OwnHive(ctx, who), who.kind == RunKind::SystemOrService});
    ctx.userHives = {ctx.userHive.Route().hive};
}

ResolvedUsers ResolveUsers(ProgramContext& ctx, const UserChoice& choice, const RunIdentity& who) {
    ResolvedUsers r;
    auto add = [&](UserHive hive) {
        const bool known = std::any_of(r.hives.begin(), r.hives.end(), [&](const UserHive& h) {
            return (!hive.sid.empty() && text::AsciiNamesEqual(h.sid, hive.sid)) || (hive.sid.empty() && h.sid.empty());
        });
        if (!known) r.hives.push_back(std::move(hive));
    };
    auto addProfile = [&](const std::string& sid) {
        std::string why;
        if (auto hive = ProfileHive(ctx, sid, why)) add(std::move(*hive));
        else r.skipped.push_back(HiveName({sid, ctx.accounts().AccountName(sid)}) + ": " + why);
    };
    if (choice.none) return r;
    if (choice.current) add(OwnHive(ctx, who));
    const std::vector<std::string> loaded = LoadedUserSids(ctx);
    if (choice.loaded || choice.all)
        for (const auto& sid : loaded) add(sid == who.sid ? OwnHive(ctx, who) : LoadedHive(ctx, sid, who));
    if (choice.all)
        for (const auto& sid : RegSubKeyNames(ctx.platform.registry, RegRoot::LocalMachine, kProfileList))
            if (IsUserSid(sid) && !IsLoaded(ctx, sid)) addProfile(sid);
    for (const std::string& name : choice.named) {
        std::string sid = StartsWith(name, "S-1-") ? name : ctx.accounts().AccountSid(name);
        if (!sid.empty() && IsLoaded(ctx, sid)) add(text::AsciiNamesEqual(sid, who.sid) ? OwnHive(ctx, who) : LoadedHive(ctx, sid, who));
        else if (!sid.empty() && !ProfileValue(ctx, sid, "ProfileImagePath").empty()) addProfile(sid);
        else r.unknown.push_back(name);
    }
    if (choice.defaultProfile) {
        const std::string folder = ctx.accounts().DefaultProfileFolder();
        if (folder.empty()) r.skipped.push_back(HiveName({kDefaultProfileSid}) + ": フォルダが見つかりません");
        else add({kDefaultProfileSid, "", folder, HiveOpening::LoadedHere, kLoadedPrefix + kDefaultProfileSid, folder + "\\NTUSER.DAT"});
    }
    return r;
}

OpenedHives::OpenedHives(ProgramContext& ctx, const std::vector<UserHive>& wanted)
    : ctx_(ctx), before_(ctx.userHive.Route()) {
    for (const UserHive& hive : wanted) {
        if (hive.opening != HiveOpening::LoadedHere) {
            hives_.push_back(hive);
            continue;
        }
        // Never a second time: a key of that name is another run's, left loaded.
        if (IsLoaded(ctx_, hive.usersKey)) {
            skipped_.push_back(HiveName(hive) + ": HKEY_USERS\\" + hive.usersKey + " が既にあるため読み込みません");
            continue;
        }
        const HiveLoad load = ctx_.accounts().LoadHive(hive.usersKey, hive.file);
        switch (load.kind) {
            case HiveLoad::Kind::Loaded:
                hives_.push_back(hive);
                loadedHere_.push_back(hive);
                break;
            case HiveLoad::Kind::InUse:
                skipped_.push_back(HiveName(hive) + ": " + hive.file + " はほかのプログラムが使用中のため開けません");
                break;
            case HiveLoad::Kind::Missing:
                skipped_.push_back(HiveName(hive) + ": " + hive.file + " がありません");
                break;
            case HiveLoad::Kind::Refused:
                skipped_.push_back(HiveName(hive) + ": " + hive.file + " を読み込めません (エラー " +
                                   std::to_string(load.code) + ")");
                break;
        }
    }
}

std::vector<std::string> OpenedHives::Close() {
    ctx_.userHive.Route(before_);
    std::vector<std::string> stuck;
    for (const UserHive& hive : loadedHere_)
        if (!ctx_.accounts().UnloadHive(hive.usersKey)) stuck.push_back(HiveName(hive) + " (HKEY_USERS\\" + hive.usersKey + ")");
    loadedHere_.clear();
    return stuck;
}

OpenedHives::~OpenedHives() { Close(); }

}  // namespace brisko
