#include "backup/hive_restore.h"

#include <algorithm>

#include "platform/text/case_fold.h"

namespace brisko {

namespace {
const char* const kChooseUser =
    "/user: で復元先のユーザーを指定してください (/user:none ではコンピュータ全体の設定だけを復元します)。\r\n"
    "何も変更していません。";

std::string BlockName(const BackupBlock& block) {
    return block.hive.sid.empty() ? "このバックアップを作成したユーザー" : HiveName(block.hive);
}

bool SameUser(const UserHive& a, const UserHive& b) { return text::AsciiNamesEqual(a.sid, b.sid); }
}  // namespace

RestoreTargets TargetsOf(ProgramContext& ctx, const ChosenBackup& backup, const std::optional<UserChoice>& choice) {
    RestoreTargets r;
    const std::vector<BackupBlock> blocks = BlocksOf(backup.entries);
    const RunIdentity who = IdentityOfRun(ctx);
    if (choice && choice->none) {
        for (const BackupBlock& b : blocks) r.notes.push_back(BlockName(b) + " の設定は復元しません (/user:none)。");
        return r;
    }
    if (!choice) {
        for (const BackupBlock& b : blocks) {
            if (b.hive.sid.empty()) {
                if (who.kind != RunKind::OwnUser) {
                    r.refusal = "このバックアップは、どのユーザーの設定かを記録していません。このコマンドは " +
                                AccountText(who.account, who.sid) + " として実行されているため、ユーザーごとの設定の" +
                                "復元先が決まりません。\r\n" + kChooseUser;
                    return r;
                }
                r.targets.push_back({b, OwnHive(ctx, who)});
                continue;
            }
            UserChoice one;
            if (b.hive.sid == kDefaultProfileSid) one.defaultProfile = true;
            else one.named = {b.hive.sid};
            const ResolvedUsers found = ResolveUsers(ctx, one, who);
            if (found.hives.empty()) {
                r.refusal = "このバックアップには " + BlockName(b) + " の設定が含まれていますが、このコンピュータには" +
                            "そのユーザーのプロファイルがありません" +
                            (found.skipped.empty() ? std::string() : " (" + found.skipped.front() + ")") + "。\r\n" + kChooseUser;
                return r;
            }
            r.targets.push_back({b, found.hives.front()});
        }
        return r;
    }
    const ResolvedUsers chosen = ResolveUsers(ctx, *choice, who);
    if (!chosen.unknown.empty()) {
        r.refusal = "このコンピュータにないユーザーです: " + chosen.unknown.front() + "\r\n何も変更していません。";
        return r;
    }
    for (const std::string& s : chosen.skipped) r.notes.push_back(s);
    if (blocks.size() == 1 && chosen.hives.size() == 1) {
        r.targets.push_back({blocks.front(), chosen.hives.front()});
        return r;
    }
    std::vector<bool> used(blocks.size(), false);
    for (const UserHive& hive : chosen.hives) {
        auto b = std::find_if(blocks.begin(), blocks.end(), [&](const BackupBlock& block) { return SameUser(block.hive, hive); });
        if (b == blocks.end() && hive.opening == HiveOpening::Own)
            b = std::find_if(blocks.begin(), blocks.end(), [](const BackupBlock& block) { return block.hive.sid.empty(); });
        if (b == blocks.end()) {
            r.notes.push_back("バックアップに " + HiveName(hive) + " の設定はありません。");
            continue;
        }
        used[static_cast<size_t>(b - blocks.begin())] = true;
        r.targets.push_back({*b, hive});
    }
    for (size_t i = 0; i < blocks.size(); ++i)
        if (!used[i]) r.notes.push_back(BlockName(blocks[i]) + " の設定は復元しません (/user: で選ばれていません)。");
    return r;
}

}  // namespace brisko
