#include "startup/file_recovery.h"

#include "backup/backup_file.h"
#include "backup/change_history.h"
#include "backup/machine_identity.h"
#include "platform/file_replacement.h"
#include "platform/value_text.h"

namespace brisko {

void RecoverFile(ProgramContext& ctx, const std::string& path, std::vector<FileRecovery>& done) {
    if (path == kNullText || path.empty()) return;
    switch (RecoverReplacedFile(ctx.platform.files, path)) {
        case Recovered::Nothing: return;
        case Recovered::FromNew: done.push_back({path, "書き込み中だった新しい内容 (" + ReplacementName(path) + ") で戻しました"}); return;
        case Recovered::FromOld: done.push_back({path, "書き込みの前の内容 (" + ReplacedBackupName(path) + ") で戻しました"}); return;
        case Recovered::Failed:
            done.push_back({path, ReplacedBackupName(path) + " を元の名前に戻せませんでした", true});
            return;
    }
}

void LogRecoveredFiles(ProgramContext& ctx, const std::vector<FileRecovery>& done) {
    if (done.empty()) return;
    HistoryRecord record;
    record.when = TimeStamp(ctx.platform.clock.Now());
    record.action = "中断された書き込みの復旧 (起動時)";
    record.restorePoint = "なし";
    const MachineIdentity here = IdentityOf(ctx);
    record.computer = here.computer;
    record.windows = BuildText(here.build);
    HistoryItem item{"ファイルの置き換えの途中で止まっていたファイル", {}, ""};
    for (const FileRecovery& r : done)
        item.values.push_back({r.path, "見つかりません", r.failed ? "見つかりません" : r.how, r.failed ? r.how : ""});
    record.items.push_back(std::move(item));
    AppendHistoryRecord(ctx.platform.files, HistoryLogPath(BackupsFolder(ctx)), record);
}

}  // namespace brisko
