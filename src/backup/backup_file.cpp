#include "backup/backup_file.h"

#include <cstdio>
#include <optional>

#include "backup/backup_entries.h"
#include "backup/backup_marks.h"
#include "backup/hive_restore.h"
#include "backup/exact_state.h"
#include "backup/readable_registry.h"
#include "platform/error.h"
#include "platform/profile/profile_document.h"
#include "platform/value_text.h"

namespace brisko {

namespace {
using namespace backupmark;
constexpr int kMostBackupsPerSecond = 1000;

}  // namespace

std::string BackupFileName(const LocalTime& t) {
    char name[64];
    std::snprintf(name, sizeof name, "backup_%04d-%02d-%02d_%02dh%02dm%02ds.ini", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return name;
}

std::string BackupsFolder(const ProgramContext& ctx) { return ParentFolder(ctx.paths.executable) + "\\backups"; }

void WriteBackupFile(ProgramContext& ctx, const std::string& path) {
    profile::ProfileDocument doc = profile::ProfileDocument::Parse("");
    doc.Write(kOpenSection, kOpenKey, kFormat);
    doc.Write(kOpenSection, kEditionKey, RecordedEdition(ctx.os));
    const MachineIdentity here = IdentityOf(ctx);
    if (!here.computer.empty()) doc.Write(kOpenSection, kComputerKey, profile::ExactProfileText(here.computer));
    doc.Write(kOpenSection, kBuildKey, BuildText(here.build));
    const BackupRecorder record = [&](const std::string& section, const std::string& key, const std::string& text) {
        if (text != kNullText) doc.Write(section, key, profile::ExactProfileText(text));
    };
    // The entries read the machine through a registry that refuses keys this
    // account cannot read, everything else as the program holds it.
    ReadableRegistry registry(ctx.platform.registry);
    const Platform& p = ctx.platform;
    ProgramContext reading(Platform{registry, p.files, p.processes, p.prompts, p.resources, p.system, p.services, p.clock});
    reading.os = ctx.os;
    reading.paths = ctx.paths;
    MarkRecordsAbsence(record);
    reading.userHive.Route(ctx.userHive.Route());
    RecordEveryHive(reading, ctx.userHives, record);
    RecordAbsentKeys(reading, registry.AbsentKeys(), record);
    RecordFileAttributes(reading, record);
    doc.Write(kCloseSection, kCloseKey, "1");
    ctx.platform.files.CreateFolder(ParentFolder(path));
    if (!ctx.platform.files.WriteReplacing(path, doc.Serialize()))
        throw BriskoError(FormatUserMessage("%s に書き込めません", path));
}

std::string CreateBackupIn(ProgramContext& ctx, const std::string& folder) {
    const std::string stamp = BackupFileName(ctx.platform.clock.Now());
    std::string name = stamp;
    for (int n = 2; ctx.platform.files.GetAttributes(folder + "\\" + name); ++n) {
        if (n > kMostBackupsPerSecond) throw BriskoError(FormatUserMessage("%s に書き込めません", folder + "\\" + stamp));
        name = stamp.substr(0, stamp.size() - 4) + "_" + std::to_string(n) + ".ini";
    }
    WriteBackupFile(ctx, folder + "\\" + name);
    return folder + "\\" + name;
}

std::string CreateBackup(ProgramContext& ctx, bool quiet) {
    const std::string folder = BackupsFolder(ctx);
    const std::string path = CreateBackupIn(ctx, folder);
    const std::string name = path.substr(folder.size() + 1);
    if (!quiet)
        ctx.platform.prompts.Inform(
            "バックアップ ファイルを作成しました。\r\n\r\n設定変更によりコンピュータに問題が発生した場合に、\r\n"
            "「保存と復元」からバックアップを指定することで、\r\nコンピュータの状態を以前の時点まで戻すことができます。\r\n\r\n"
            "バックアップ フォルダ：" + folder + "\r\nバックアップ ファイル：" + name);
    return path;
}

RestoreHives::RestoreHives(ProgramContext& ctx, const RestoreTargets& users) : ctx_(ctx), before_(ctx.userHives) {
    for (const std::string& note : users.notes) ctx.platform.prompts.Warn(note);
    if (ctx.journal.Rehearsing()) {
        // A rehearsal loads nothing: a profile not loaded is named under
        // HKEY_USERS by its SID, and reads find nothing there.
        for (BlockTarget t : users.targets) {
            if (t.hive.opening == HiveOpening::LoadedHere) {
                t.hive.opening = HiveOpening::Loaded;
                t.hive.usersKey = t.hive.sid == kDefaultProfileSid ? std::string(kDefaultProfileRegKey) : t.hive.sid;
            }
            targets_.push_back(std::move(t));
        }
        return;
    }
    std::vector<UserHive> wanted;
    for (const BlockTarget& t : users.targets) wanted.push_back(t.hive);
    opened_.emplace(ctx, wanted);
    for (const std::string& skipped : opened_->Skipped())
        ctx.platform.prompts.Error("次のユーザーの設定は復元していません: " + skipped);
    ctx.userHives.clear();
    for (const BlockTarget& t : users.targets)
        for (const UserHive& open : opened_->Hives())
            if (open.usersKey == t.hive.usersKey && open.sid == t.hive.sid) {
                targets_.push_back(t);
                ctx.userHives.push_back(open);
            }
}

RestoreHives::~RestoreHives() { ctx_.userHives = before_; }

void RestoreFromBackup(ProgramContext& ctx, const ChosenBackup& backup) {
    RestoreFromBackup(ctx, backup, TargetsOf(ctx, backup, std::nullopt));
}

void RestoreFromBackup(ProgramContext& ctx, const ChosenBackup& backup, const RestoreTargets& users) {
    if (backup.check != BackupCheck::Backup) return;
    if (!users.refusal.empty()) throw BriskoError(users.refusal);
    const RestoreHives hives(ctx, users);
    RestoreFromBackup(ctx, backup, hives);
}

void RestoreFromBackup(ProgramContext& ctx, const ChosenBackup& backup, const RestoreHives& hives) {
    if (backup.check != BackupCheck::Backup) return;
    const BackupSource source = SourceOf(backup.entries);
    // Recognising the file checked every text; this holds for a backup built any other way.
    if (const std::string damaged = DamagedRow(ctx.os, source); !damaged.empty())
        throw BriskoError(FormatUserMessage("バックアップ ファイルが壊れています (%s)。何も復元していません。", damaged));
    // Every value put back is read back: a DWORD store or a deletion the
    // registry refuses says nothing by itself, yet the restore is then incomplete.
    ctx.journal.Start();
    try {
        RestoreEveryHive(ctx, source, hives.Targets());
        DeleteKeysThatWereAbsent(ctx, source);
        RestoreFileAttributes(ctx, source);
    } catch (...) {
        ctx.journal.Take();
        throw;
    }
    if (!WritesTook(ctx.platform.registry, ctx.platform.files, ctx.journal.Take()))
        throw BriskoError("一部の設定を復元できませんでした。\r\n"
                          "管理者の権限があるアカウントで、もう一度復元してください。");
}

}  // namespace brisko
