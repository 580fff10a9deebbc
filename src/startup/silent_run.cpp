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
#include "startup/apply_command.h"
#include "startup/backup_commands.h"
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

int Run(ProgramContext& ctx, const Command& command, CommandLog& log) {
    switch (command.kind) {
        case CommandKind::Window:
        case CommandKind::Usage: return kExitDone;
        case CommandKind::Invalid: return kExitRefused;
        case CommandKind::Apply: return ApplyPlanCommand(ctx, command, log);
        case CommandKind::Backup: return BackupCommand(ctx, command, log);
        case CommandKind::Restore: return RestoreCommand(ctx, command, log);
        case CommandKind::ExportPlan:
            WritePlanFile(ctx, command.file);
            log.Note("プラン ファイルを書き出しました: " + command.file);
            return kExitDone;
        case CommandKind::ExportReg: return ExportRegCommand(ctx, command, log);
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
            code = CheckPlan(ctx, command.file, log, command.users);
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
