#pragma once
// Running one command of the command line without any window: what it did
// goes to a log (echoed to the console where there is one, and appended to
// the command log file in the backups folder), and nothing is ever asked.
#include <functional>
#include <string>
#include <vector>

#include "engine/program_context.h"
#include "startup/command_line.h"

namespace brisko {

// The messages of a silent run. Every text the program would show is written
// to the log; every question gets the safe answer No (no restart, no Explorer
// restart), and the log says so.
class CommandLog final : public Prompts {
public:
    // echo gets each line as it is written (the console); may be empty.
    explicit CommandLog(std::function<void(const std::string&)> echo = {}) : echo_(std::move(echo)) {}
    bool Confirm(const std::string& text) override;
    void Inform(const std::string& text) override;
    void Warn(const std::string& text) override;
    void Error(const std::string& text) override;
    // A line of the command's own; texts with line breaks become several lines.
    void Note(const std::string& text);
    // A change is about to make its first write, after the backup named
    // (empty: none): the log file gets a block saying so at once, which the
    // run's own block completes, so that a run cut short leaves its trace.
    void Begin(const std::string& backup) {
        if (begin_) begin_(backup);
    }
    void OnBegin(std::function<void(const std::string&)> begin) { begin_ = std::move(begin); }

    const std::vector<std::string>& Lines() const { return lines_; }
    int Errors() const { return errors_; }

private:
    void Write(const std::string& prefix, const std::string& text);

    std::function<void(const std::string&)> echo_, begin_;
    std::vector<std::string> lines_;
    int errors_ = 0;
};

// "brisko-command.log" in the backups folder beside the executable.
std::string CommandLogPath(const std::string& executablePath);
// A log grown past its bound (1 MiB) is moved to the one older log
// ("brisko-command.old.log", OlderLogPath), replacing the one before, and a
// new log begins.

// Runs the command on a context whose prompts are `log`: the start-up
// sequence first (for every command but /? and invalid ones), then the task.
// Afterwards one block, headed by the date and `commandLine`, is appended to
// the command log file. Returns the exit code (kExitDone ... kExitWriteFailed).
int RunSilentCommand(ProgramContext& ctx, const Command& command, CommandLog& log, const std::string& commandLine);

// A command that may not run now (Brisko is already running): the reason goes
// to the log and its file, and the exit code is kExitRefused.
int RefuseCommand(ProgramContext& ctx, CommandLog& log, const std::string& commandLine, const std::string& reason);

}  // namespace brisko
