#pragma once
#include <string>
#include <utility>

#include "platform/processes.h"

namespace brisko::win32 {

class Win32ProcessLauncher final : public ProcessLauncher {
public:
    // shellCommand is what RestartExplorer starts once the old shell is gone.
    explicit Win32ProcessLauncher(std::string shellCommand = "explorer") : shellCommand_(std::move(shellCommand)) {}

    void ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
                   ShowMode show) override;
    void RunHidden(const std::string& commandLine) override;
    void RunInNewConsole(const std::string& commandLine) override;
    StartResult RunInNewConsoleAndWait(const std::string& commandLine,
                                       const std::function<void()>& keepAlive) override;
    int RunAndWait(const std::string& commandLine, const std::function<void()>& keepAlive,
                   int timeLimitMs = kNoTimeLimit) override;
    void RestartWindows() override;
    void RestartExplorer() override;
    // The system folders, then the machine's registered application paths.
    std::string ProgramPath(const std::string& name) override;

    // The window that owns what the shell shows; none until the main window exists.
    void SetOwnerWindow(void* hwnd) { owner_ = hwnd; }

private:
    void* owner_ = nullptr;
    std::string shellCommand_;
};

// Looks every 10 ms for a window of the class until there is none (true) or
// timeoutMs have passed with one still there (false). It looks among the
// top-level windows, or among the children of parent when one is given
// (HWND_MESSAGE for the message-only windows).
bool WaitForWindowClassGone(const wchar_t* className, int timeoutMs, void* parent = nullptr);

}  // namespace brisko::win32
