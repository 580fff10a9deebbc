#pragma once
// A launcher that starts nothing and writes down what it was asked to start,
// one line per request, to a UTF-8 log file. The program uses it in place of
// the real launcher when the environment names a log (BRISKO_LAUNCH_LOG), so
// that its buttons can be tried without opening tools, consoles or browsers,
// or restarting the machine.
#include <string>

#include "platform/file_system.h"
#include "platform/processes.h"

namespace brisko {

class RecordingProcessLauncher final : public ProcessLauncher {
public:
    RecordingProcessLauncher(FileSystem& files, std::string logPath) : files_(files), logPath_(std::move(logPath)) {}

    // Lines: "ShellOpen\t<verb>\t<file>\t<parameters>\t<Normal|Hidden>",
    // "RunHidden\t<line>", "RunInNewConsole\t<line>", "RunAndWait\t<line>",
    // "RunInNewConsoleAndWait\t<line>",
    // "RestartWindows", "RestartExplorer".
    void ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
                   ShowMode show) override;
    void RunHidden(const std::string& commandLine) override;
    void RunInNewConsole(const std::string& commandLine) override;
    // Counts as started.
    StartResult RunInNewConsoleAndWait(const std::string& commandLine,
                                       const std::function<void()>& keepAlive) override;
    // Counts as a command that ran and ended with exit code 0.
    int RunAndWait(const std::string& commandLine, const std::function<void()>& keepAlive,
                   int timeLimitMs = kNoTimeLimit) override;
    void RestartWindows() override;
    void RestartExplorer() override;
    // Every program counts as there (as the name itself), so that every
    // button can be tried.
    std::string ProgramPath(const std::string& name) override { return name; }

private:
    void Append(const std::string& line);

    FileSystem& files_;
    std::string logPath_;
};

}  // namespace brisko
