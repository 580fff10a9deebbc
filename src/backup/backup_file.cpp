#include "backup/backup_file.h"

#include <cstdio>

#include "backup/backup_entries.h"
#include "platform/error.h"
#include "platform/profile/profile_document.h"
#include "platform/value_text.h"

namespace brisko {

namespace {
// The marks that open and close every backup this program writes.
const std::string kOpenSection = "バックアップ", kOpenKey = "形式", kFormat = "2";
const std::string kCloseSection = "バックアップ終了", kCloseKey = "完了";
constexpr size_t kLargestBackup = 4 * 1024 * 1024;
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
    doc.Write(kOpenSection, "OS", ctx.os.edition.empty() ? ctx.os.family : ctx.os.edition);
    const BackupRecorder record = [&](const std::string& section, const std::string& key, const std::string& text) {
        if (text != kNullText) doc.Write(section, key, profile::ExactProfileText(text));
    };
    for (const auto& entry : BackupEntries()) entry.record(ctx, record);
    doc.Write(kCloseSection, kCloseKey, "1");
    ctx.platform.files.CreateFolder(ParentFolder(path));
    if (!ctx.platform.files.WriteReplacing(path, doc.Serialize()))
        throw BriskoError(FormatUserMessage("%s に書き込めません", path));
}

std::string CreateBackup(ProgramContext& ctx, bool quiet) {
    const std::string folder = BackupsFolder(ctx);
    const std::string name = BackupFileName(ctx.platform.clock.Now());
    WriteBackupFile(ctx, folder + "\\" + name);
    if (!quiet)
        ctx.platform.prompts.Inform(
            "バックアップ ファイルを作成しました。\r\n\r\n設定変更によりコンピュータに問題が発生した場合に、\r\n"
            "「保存と復元」からバックアップを指定することで、\r\nコンピュータの状態を以前の時点まで戻すことができます。\r\n\r\n"
            "バックアップ フォルダ：" + folder + "\r\nバックアップ ファイル：" + name);
    return folder + "\\" + name;
}

BackupCheck CheckBackupFile(FileSystem& files, const std::string& path) {
    const auto attrs = files.GetAttributes(path);
    if (!attrs || (*attrs & fileattr::kDirectory)) return BackupCheck::NotABackup;
    const auto bytes = files.ReadFile(path);
    if (!bytes || bytes->size() > kLargestBackup) return BackupCheck::NotABackup;
    const bool utf16 = bytes->size() >= 2 && bytes->compare(0, 2, "\xFF\xFE") == 0;
    if (!utf16 && bytes->find('\0') != std::string::npos) return BackupCheck::NotABackup;
    const auto doc = profile::ProfileDocument::Parse(*bytes);
    if (doc.Read(kOpenSection, kOpenKey)) return doc.Read(kCloseSection, kCloseKey) ? BackupCheck::Backup : BackupCheck::Incomplete;
    return doc.Read("システム", "1") ? BackupCheck::Backup : BackupCheck::NotABackup;
}

void RestoreFromBackup(ProgramContext& ctx, const std::string& path) {
    const auto doc = profile::ProfileDocument::Parse(ctx.platform.files.ReadFile(path).value_or(""));
    const BackupSource source{
        [&](const std::string& section, const std::string& key) {
            return doc.Read(section, key).value_or(std::string(kNullText));
        },
        [&](const std::string& section) { return doc.Keys(section); }};
    // Every value put back is read back: a DWORD store or a deletion the
    // registry refuses says nothing by itself, yet the restore is then incomplete.
    ctx.journal.Start();
    try {
        for (const auto& entry : BackupEntries()) entry.restore(ctx, source);
    } catch (...) {
        ctx.journal.Take();
        throw;
    }
    if (!WritesTook(ctx.platform.registry, ctx.platform.files, ctx.journal.Take()))
        throw BriskoError("一部の設定を復元できませんでした。\r\n"
                          "管理者の権限があるアカウントで、もう一度復元してください。");
}

}  // namespace brisko
