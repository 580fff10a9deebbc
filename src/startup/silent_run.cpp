#include "startup/silent_run.h"

#include <algorithm>

#include "backup/accelerate_flow.h"
#include "backup/backup_file.h"
#include "backup/change_history.h"
#include "backup/recorded_change.h"
#include "backup/reg_export.h"
#include "backup/restore_command.h"
#include "backup/tweak_plan.h"
#include "engine/program_preferences.h"
#include "platform/error.h"
#include "platform/rotating_log.h"
#include "startup/effect_command.h"
#include "startup/plan_check.h"
#include "startup/restart_need.h"
#include "startup/startup_sequence.h"

namespace brisko {

namespace {
constexpr uint64_t kLargestLog = 1024 * 1024;  // then it becomes the one older log and a new one begins

// The text as lines, without empty leading and trailing ones.
std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += text[i];
        }
    }
    while (!lines.empty() && lines.front().empty()) lines.erase(lines.begin());
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

// Appends the run's block to the command log; a log that cannot be written
// is said on the console and changes no exit code.
void AppendToLogFile(ProgramContext& ctx, CommandLog& log, const std::string& commandLine, int code) {
    const std::string path = CommandLogPath(ctx.platform.system.ExecutablePath());
    std::string block = "==== " + TimeStamp(ctx.platform.clock.Now()) + "  brisko.exe " + commandLine + "\r\n";
    for (const std::string& line : log.Lines()) block += line + "\r\n";
    block += "終了コード " + std::to_string(code) + "\r\n\r\n";
    if (!AppendToRotatingLog(ctx.platform.files, path, block, kLargestLog))
        log.Note("記録ファイルに書き込めません: " + path);
}

// The block a change begins with, before its first write.
void AppendBegunBlock(ProgramContext& ctx, CommandLog& log, const std::string& commandLine, const std::string& backup) {
    const std::string path = CommandLogPath(ctx.platform.system.ExecutablePath());
    const std::string block = "==== " + TimeStamp(ctx.platform.clock.Now()) + "  brisko.exe " + commandLine +
                              "\r\n変更を開始します (この後に終了コードのある記録がなければ、途中で止まっています)\r\n" +
                              "バックアップ: " + (backup.empty() ? "なし" : backup) + "\r\n\r\n";
    if (!AppendToRotatingLog(ctx.platform.files, path, block, kLargestLog)) log.Note("記録ファイルに書き込めません: " + path);
}

std::string ItemName(ProgramContext& ctx, TweakCategory c, size_t position) {
    return "[" + std::string(CategoryName(c)) + "] " + ctx.items.List(c)[position].label;
}

void NoteChangedItems(ProgramContext& ctx, const ItemStateTable& before, CommandLog& log) {
    for (TweakCategory c : kAllCategories)
        for (size_t i = 0; i < ctx.items.List(c).size(); ++i)
            if (ctx.items.states.Get(c, i) != before.Get(c, i))
                log.Note((ctx.items.states.Get(c, i) ? "最適化: " : "既定に戻す: ") + ItemName(ctx, c, i));
}

// The accelerate button's work without its questions; the log names every
// item whose record changed and every item that did not take. A run that
// fails part-way names the backup and the items it had already changed.
int ApplyTicks(ProgramContext& ctx, CommandLog& log) {
    ctx.items.NeedServices();
    const ItemStateTable before = ctx.items.states;
    std::string backup;
    AccelerateResult result;
    try {
        result = RunAccelerate(ctx, "高速化 (/apply)", [&](const std::string& path) {
            backup = path;
            log.Begin(path);
        });
    } catch (const BriskoError&) {
        if (!backup.empty()) log.Note("バックアップ: " + backup);
        NoteChangedItems(ctx, before, log);
        throw;
    }
    if (!result.backup.empty()) log.Note("バックアップ: " + result.backup);
    if (!result.note.empty()) log.Warn(result.note);
    else if (PreferencesOf(ctx).AutoBackupSuppressed()) log.Note("自動バックアップは設定で無効です。");
    NoteChangedItems(ctx, before, log);
    for (const std::string& label : result.notSet) log.Note("設定できませんでした: " + label);
    if (!result.changed && result.notSet.empty()) log.Note("変更された設定はありません。");
    if (!result.notSet.empty()) return kExitItemsNotSet;
    return DoneExitCode(NeedOfChangedItems(ctx, before), log);
}

// Loads the plan into the ticks and names what it could not set: kExitDone,
// kExitItemsNotSet, or kExitRefused for a file that is no plan.
int LoadPlan(ProgramContext& ctx, const std::string& path, CommandLog& log, PlanLoad* loaded = nullptr) {
    const PlanLoad plan = LoadPlanFile(ctx, path);
    if (loaded) *loaded = plan;
    if (!plan.recognised) {
        if (!plan.problem.empty()) log.Note(plan.problem);
        log.Note("プラン ファイルではないか、壊れています。何も変更しません: " + path);
        return kExitRefused;
    }
    for (const std::string& name : plan.refused) log.Note("無効または利用できない項目のため設定しません: " + name);
    return plan.refused.empty() ? kExitDone : kExitItemsNotSet;
}

int Apply(ProgramContext& ctx, const Command& command, CommandLog& log) {
    const int loaded = LoadPlan(ctx, command.file, log);
    if (loaded == kExitRefused) return loaded;
    const int applied = ApplyTicks(ctx, log);
    return loaded == kExitDone ? applied : loaded;  // items left as they were: no success, restart or not
}

// The .reg of the current ticks, of a plan, or of a backup (told apart by the
// file's opening mark).
int ExportReg(ProgramContext& ctx, const Command& command, CommandLog& log) {
    int code = kExitDone;
    std::string text;
    if (command.source.empty()) {
        text = ExportTicksAsReg(ctx);
    } else if (HasPlanMark(ctx.platform.files.ReadFile(command.source, kLargestPlan).value_or(""))) {
        PlanLoad plan;
        code = LoadPlan(ctx, command.source, log, &plan);
        if (code == kExitRefused) return code;
        text = ExportPlanAsReg(ctx, plan);
    } else {
        const MachineIdentity here = IdentityOf(ctx);
        const ChosenBackup backup = ReadChosenBackup(ctx.platform.files, command.source, here);
        if (const std::string refusal = RestoreRefusal(backup, here); !refusal.empty()) {
            log.Note(refusal);
            return kExitRefused;
        }
        text = ExportBackupAsReg(ctx, backup);
    }
    WriteRegFile(ctx.platform.files, command.file, text);
    log.Note(".reg ファイルを書き出しました: " + command.file);
    return code;
}

int Restore(ProgramContext& ctx, const Command& command, CommandLog& log) {
    const MachineIdentity here = IdentityOf(ctx);
    const ChosenBackup backup = ReadChosenBackup(ctx.platform.files, command.file, here);
    if (const std::string refusal = RestoreRefusal(backup, here); !refusal.empty()) {
        log.Note(refusal);
        return kExitRefused;
    }
    const RestartNeed need = NeedOfAction(ctx, [&] { RestoreFromBackup(ctx, backup); });
    std::string made;
    const RestoreOutcome outcome = RestoreRecorded(ctx, backup, command.file, "復元 (/restore)", [&](const std::string& path) {
        made = path;
        log.Begin(path);
    });
    if (!made.empty()) log.Note("復元の前のバックアップ: " + made);
    log.Note("Windows の設定を復元しました: " + command.file);
    if (!outcome.note.empty()) log.Warn(outcome.note);
    return DoneExitCode(need, log);
}

int Run(ProgramContext& ctx, const Command& command, CommandLog& log) {
    switch (command.kind) {
        case CommandKind::Window:
        case CommandKind::Usage: return kExitDone;
        case CommandKind::Invalid: return kExitRefused;
        case CommandKind::Apply: return Apply(ctx, command, log);
        case CommandKind::Backup:
            log.Note("バックアップ: " + (command.file.empty() ? CreateBackup(ctx, true)
                                                             : CreateBackupIn(ctx, command.file)));
            return kExitDone;
        case CommandKind::Restore: return Restore(ctx, command, log);
        case CommandKind::ExportPlan:
            WritePlanFile(ctx, command.file);
            log.Note("プラン ファイルを書き出しました: " + command.file);
            return kExitDone;
        case CommandKind::ExportReg: return ExportReg(ctx, command, log);
        case CommandKind::Check:
        case CommandKind::Effect: return kExitRefused;  // run on their own, without the start-up
    }
    return kExitRefused;
}
}  // namespace

bool CommandLog::Confirm(const std::string& text) {
    Write("質問 (自動的に「いいえ」と答えました): ", text);
    return false;
}

void CommandLog::Inform(const std::string& text) { Write("", text); }
void CommandLog::Warn(const std::string& text) { Write("警告: ", text); }
void CommandLog::Error(const std::string& text) {
    ++errors_;
    Write("エラー: ", text);
}
void CommandLog::Note(const std::string& text) { Write("", text); }

void CommandLog::Write(const std::string& prefix, const std::string& text) {
    // The prefix goes before the first line; the rest stand under it, indented.
    const std::vector<std::string> lines = LinesOf(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        lines_.push_back(i == 0 ? prefix + lines[i] : (prefix.empty() ? "" : "  ") + lines[i]);
        if (echo_) echo_(lines_.back());
    }
}

std::string CommandLogPath(const std::string& executablePath) {
    return ParentFolder(executablePath) + "\\backups\\brisko-command.log";
}

int RefuseCommand(ProgramContext& ctx, CommandLog& log, const std::string& commandLine, const std::string& reason) {
    log.Note(reason);
    AppendToLogFile(ctx, log, commandLine, kExitRefused);
    return kExitRefused;
}

int RunSilentCommand(ProgramContext& ctx, const Command& command, CommandLog& log, const std::string& commandLine) {
    if (command.kind == CommandKind::Usage || command.kind == CommandKind::Invalid) {
        if (!command.error.empty()) log.Note(command.error);
        log.Note(UsageText());
        const int code = command.kind == CommandKind::Usage ? kExitDone : kExitRefused;
        AppendToLogFile(ctx, log, commandLine, code);
        return code;
    }
    int code = kExitDone;
    log.OnBegin([&](const std::string& backup) { AppendBegunBlock(ctx, log, commandLine, backup); });
    try {
        if (command.kind == CommandKind::Check) {
            code = CheckPlan(ctx, command.file, log);
        } else if (command.kind == CommandKind::Effect) {
            code = ShowEffect(ctx, command.csv, log);
        } else {
            RunStartupSequence(ctx);
            code = Run(ctx, command, log);
        }
    } catch (const BriskoError& e) {
        log.Note(std::string("エラー: ") + e.what());
        code = kExitWriteFailed;
    }
    // An error the task showed (a file it could not find, say) leaves items not set.
    if ((code == kExitDone || code == kExitRestartNeeded) && log.Errors() > 0) code = kExitItemsNotSet;
    AppendToLogFile(ctx, log, commandLine, code);
    return code;
}

}  // namespace brisko
