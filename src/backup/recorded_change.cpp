#include "backup/recorded_change.h"

#include <algorithm>
#include <set>

#include "backup/backup_file.h"
#include "backup/hive_restore.h"
#include "backup/restore_command.h"
#include "engine/change_preview.h"
#include "engine/program_preferences.h"
#include "engine/rehearsal.h"
#include "platform/error.h"
#include "platform/registry_values.h"

namespace brisko {

namespace {
constexpr const char* kNotTaken = "書き込んだ値になっていません (Windows が書き込みを受け付けませんでした)";

// What each write's target is called in the record, for matching the last
// write to each.
std::string TargetKey(const RecordedWrite& w) {
    return std::to_string(static_cast<int>(w.kind == RecordedWrite::Kind::RemoveFile ? RecordedWrite::Kind::WriteFile
                                           : w.kind == RecordedWrite::Kind::DeleteValue ? RecordedWrite::Kind::SetValue
                                                                                        : w.kind)) +
           std::to_string(static_cast<int>(w.root)) + w.path + "|" + w.name;
}
}  // namespace

bool RestorePointsWanted(ProgramContext& ctx) {
    static const std::set<std::string> kWithout = {"95", "98", "NT", "2k"};
    return !kWithout.contains(ctx.os.edition) && !PreferencesOf(ctx).RestorePointSuppressed();
}

RecordedChange::RecordedChange(ProgramContext& ctx, std::string action, std::string backup, std::string restoredFrom)
    : ctx_(ctx) {
    record_.action = std::move(action);
    record_.backup = std::move(backup);
    record_.restoredFrom = std::move(restoredFrom);
    const MachineIdentity here = IdentityOf(ctx);
    record_.computer = here.computer;
    record_.windows = BuildText(here.build);
}

void RecordedChange::Run(const std::function<void()>& writes) {
    record_.when = TimeStamp(ctx_.platform.clock.Now());
    const std::string log = HistoryLogPath(BackupsFolder(ctx_));
    // The log's size tells this change from another begun in the same second.
    record_.id = record_.when + " " + std::to_string(ctx_.platform.files.FileSize(log).value_or(0));
    HistoryRecord begun = record_;
    begun.stage = HistoryRecord::Stage::Begun;
    if (!AppendHistoryRecord(ctx_.platform.files, log, begun)) note_ += "※ 変更の記録を書き込めませんでした: " + log;
    if (begun_) begun_();
    if (RestorePointsWanted(ctx_)) {
        RestorePoints& points = ctx_.restorePoints();
        const std::optional<int64_t> newest = points.NewestSequence();
        point_ = points.Begin(kRestorePointDescription);
        // A number no newer than the newest before is a point Windows reused.
        if (point_.state == RestorePointStart::State::Made && newest && point_.sequence <= *newest)
            point_.state = RestorePointStart::State::Reused;
        pointIsNew_ = point_.state == RestorePointStart::State::Made && newest.has_value();
        record_.restorePoint = RestorePointText(point_);
        if (point_.state == RestorePointStart::State::Declined)
            note_ += std::string(note_.empty() ? "" : "\r\n") + "※ Windows の復元ポイントを作成できませんでした: " + point_.reason +
                     (record_.backup.empty() ? "" : "\r\n　Brisko のバックアップは変更の前に作成してあります。");
        if (point_.state == RestorePointStart::State::Reused)
            note_ += std::string(note_.empty() ? "" : "\r\n") + "※ 新しい復元ポイントは作成されていません。" + record_.restorePoint + "。";
    } else {
        record_.restorePoint = PreferencesOf(ctx_).RestorePointSuppressed() ? "設定で作成しないことになっています"
                                                                          : RestorePointText(point_);
    }
    ctx_.journal.StartLog();
    try {
        writes();
    } catch (const BriskoError& e) {
        Finish(e.what());
        throw;
    } catch (...) {
        Finish("予期しないエラーで中断しました");
        throw;
    }
    Finish("");
}

// The users' hives the writes reached, in the order first written.
static std::vector<HistoryUser> UsersWritten(ProgramContext& ctx, const std::vector<LoggedItem>& logged) {
    std::vector<HistoryUser> users;
    for (const LoggedItem& item : logged)
        for (const LoggedWrite& w : item.writes) {
            if (w.write.root != RegRoot::Users) continue;
            const std::string hive = w.write.path.substr(0, w.write.path.find('\\'));
            const std::string key = FullKeyName(RegRoot::Users, hive);
            if (std::any_of(users.begin(), users.end(), [&](const HistoryUser& u) { return u.key == key; })) continue;
            const std::string sid = hive.starts_with(kLoadedHivePrefix) ? hive.substr(std::string(kLoadedHivePrefix).size()) : hive;
            users.push_back({key, sid, ctx.accounts().AccountName(sid)});
        }
    return users;
}

void RecordedChange::Finish(const std::string& error) {
    std::vector<LoggedItem> logged = ctx_.journal.TakeLog();
    record_.users = UsersWritten(ctx_, logged);
    // Only what reaches the machine: the preferences file is the program's own.
    size_t written = 0;
    std::set<std::string> seen;  // targets of later writes, walking back
    std::vector<std::vector<bool>> last(logged.size());
    for (size_t i = logged.size(); i-- > 0;) {
        auto& writes = logged[i].writes;
        std::erase_if(writes, [&](const LoggedWrite& w) { return !IsMachineWrite(ctx_, w.write); });
        written += std::count_if(writes.begin(), writes.end(), [](const LoggedWrite& w) {
            return w.write.kind != RecordedWrite::Kind::CreateKey || !w.keyBefore;
        });
        last[i].resize(writes.size());
        for (size_t j = writes.size(); j-- > 0;) last[i][j] = seen.insert(TargetKey(writes[j].write)).second;
    }
    // A point Windows reused is not this run's: it is neither ended nor
    // cancelled. One that cannot be told new is ended, never cancelled.
    // A tool's change the program does not see counts as a write.
    for (const HistoryItem& item : added_) written += item.failure.empty();
    if (point_.state == RestorePointStart::State::Made) {
        if (written > 0 || !pointIsNew_) ctx_.restorePoints().End(point_.sequence);
        else ctx_.restorePoints().Cancel(point_.sequence);
    }
    wrote_ = written > 0 || !error.empty();
    const std::string path = HistoryLogPath(BackupsFolder(ctx_));
    if (onlyWhatWrote_ && !wrote_) {
        HistoryRecord dropped;
        dropped.when = record_.when;
        dropped.action = record_.action;
        dropped.stage = HistoryRecord::Stage::Dropped;
        dropped.id = record_.id;
        AppendHistoryRecord(ctx_.platform.files, path, dropped);
        return;
    }
    for (size_t i = 0; i < logged.size(); ++i) {
        if (logged[i].writes.empty() && logged[i].label.empty()) continue;
        HistoryItem item{logged[i].label.empty() ? "復元した値" : logged[i].label, {}, ""};
        for (size_t j = 0; j < logged[i].writes.size(); ++j) {
            const LoggedWrite& w = logged[i].writes[j];
            std::vector<ChangeLine> lines;
            AddWriteLines(lines, "", w);
            // The last word on each target is read back: a refusal without a word shows here.
            const bool took = !last[i][j] || WritesTook(ctx_.platform.registry, ctx_.platform.files, {w.write});
            for (const ChangeLine& line : lines)
                item.values.push_back({line.target, line.before, line.after, took ? "" : kNotTaken});
        }
        record_.items.push_back(std::move(item));
    }
    for (HistoryItem& item : added_) record_.items.push_back(std::move(item));
    if (!error.empty()) {
        // A refusal stops the writes at the one refused, the last made; a
        // refusal said after writes that all went (some reading back
        // otherwise) speaks for the item.
        bool otherFailed = false;
        for (const HistoryItem& item : record_.items)
            for (const HistoryValue& v : item.values) otherFailed = otherFailed || !v.failure.empty();
        if (record_.items.empty()) record_.items.push_back({"(書き込みの前)", {}, ""});
        HistoryItem& item = record_.items.back();
        HistoryValue* lastValue = item.values.empty() ? nullptr : &item.values.back();
        if (lastValue && (!lastValue->failure.empty() || !otherFailed)) lastValue->failure = error;
        else item.failure = error;
    }
    record_.stage = HistoryRecord::Stage::Completed;
    if (!AppendHistoryRecord(ctx_.platform.files, path, record_) && note_.find(path) == std::string::npos)
        note_ += std::string(note_.empty() ? "" : "\r\n") + "※ 変更の記録を書き込めませんでした: " + path;
}

RestoreOutcome RestoreRecorded(ProgramContext& ctx, const ChosenBackup& backup, const std::string& path,
                               const std::string& action, const std::function<void(const std::string&)>& begun,
                               const RestoreTargets* users) {
    RestoreOutcome outcome;
    const RestoreTargets targets = users ? *users : TargetsOf(ctx, backup, std::nullopt);
    if (backup.check == BackupCheck::Backup && !targets.refusal.empty()) throw BriskoError(targets.refusal);
    // The users' hives are opened first, so that the backup of what the
    // restore replaces covers every hive it writes.
    const RestoreHives hives(ctx, targets);
    if (!PreferencesOf(ctx).AutoBackupSuppressed()) outcome.backup = CreateBackup(ctx, true);
    RecordedChange change(ctx, action, outcome.backup, path);
    if (begun) change.OnBegun([&] { begun(outcome.backup); });
    change.Run([&] { RestoreFromBackup(ctx, backup, hives); });
    outcome.note = change.Note();
    return outcome;
}

std::string RestoreBackupNote(const RestoreOutcome& outcome) {
    if (outcome.backup.empty()) return "";
    return "※ 復元の前の状態をバックアップしました。この復元も「保存と復元」から元に戻せます。\r\n　" + outcome.backup;
}

bool ConfirmRestore(ProgramContext& ctx, const std::string& path, const std::string& alsoUndone) {
    // Refused files get their warning before any question; the restore
    // itself reads the file again and checks it once more.
    const MachineIdentity here = IdentityOf(ctx);
    const ChosenBackup chosen = ReadChosenBackup(ctx.platform.files, path, here);
    std::string refusal = RestoreRefusal(chosen, here);
    if (refusal.empty() && chosen.check == BackupCheck::Backup) refusal = TargetsOf(ctx, chosen, std::nullopt).refusal;
    if (!refusal.empty()) {
        ctx.platform.prompts.Warn(refusal);
        return false;
    }
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    return ctx.platform.prompts.Confirm("以下のバックアップ ファイルから Windows の設定を復元しますか？\r\n\r\nファイル名：" +
                                        name + alsoUndone);
}

}  // namespace brisko
