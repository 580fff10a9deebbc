#pragma once
// Starting other programs, and restarting the shell or Windows. Nothing here
// looks at a started program's result except RunAndWait.
#include <functional>
#include <string>

namespace brisko {

// Unowned: shown as it opens (SW_SHOW), with no window of the program as its
// owner, for pages the user reads beside the program.
enum class ShowMode { Hidden, Normal, Unowned };

// Whether a program could be started, and the system's error code when not.
struct StartResult {
    bool started = true;
    unsigned long errorCode = 0;
};

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts a program through the shell with a verb ("open", "Open").
    virtual void ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
                           ShowMode show) = 0;
    // Starts a command line with its window hidden and returns at once; a
    // command that cannot start is not reported. Program names are found
    // through the system's search path.
    virtual void RunHidden(const std::string& commandLine) = 0;
    // Starts a command line in a console window of its own; returns at once.
    virtual void RunInNewConsole(const std::string& commandLine) = 0;
    // Starts a command line in a console window of its own and waits for it
    // to end, calling keepAlive whenever window messages arrive meanwhile so
    // the window stays responsive. Its exit code is not looked at.
    virtual StartResult RunInNewConsoleAndWait(const std::string& commandLine,
                                               const std::function<void()>& keepAlive) = 0;
    // Runs a command line hidden and waits for it to end, calling keepAlive
    // whenever window messages arrive meanwhile so the window stays
    // responsive. The command's exit code, kNotStarted when it could not
    // start, or kTimedOut when it was still running after timeLimitMs (it is
    // then ended, so it cannot go on writing afterwards).
    virtual int RunAndWait(const std::string& commandLine, const std::function<void()>& keepAlive,
                           int timeLimitMs = kNoTimeLimit) = 0;
    // Restarts the computer (enabling the shutdown privilege where there is
    // one); a refusal is not reported.
    virtual void RestartWindows() = 0;
    // Ends the running shell (its "Progman" window) and starts "explorer"
    // again, waiting at most kExplorerQuitWait for the old one to go.
    virtual void RestartExplorer() = 0;
    // The full path of the program a bare name ("mplayer2", "gpedit.msc";
    // ".exe" when it has no extension) stands for, as this launcher would
    // start it: one of Windows' own programs, or one the machine registered;
    // empty when there is none (a button for it is then disabled).
    virtual std::string ProgramPath(const std::string& name) = 0;

    static constexpr int kExplorerQuitWaitMs = 10000;
    static constexpr int kNoTimeLimit = -1;
    static constexpr int kNotStarted = -1;
    static constexpr int kTimedOut = -2;
};

}  // namespace brisko
