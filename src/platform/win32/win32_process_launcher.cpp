#include "platform/win32/win32_process_launcher.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/message_pump.h"
#include "platform/win32/system_paths.h"
#include "platform/win32/wide.h"

namespace brisko::win32 {

namespace {

// CreateProcessW with the program named by its full path: a bare first word
// ("net", "cmd.exe") is Windows' own program in the system or Windows folder,
// never a file of that name in the current folder or beside this program.
// Returns false when the program could not be started.
bool Start(const std::string& commandLine, DWORD creationFlags, WORD show, PROCESS_INFORMATION& started) {
    std::wstring program;
    std::wstring writable = WithFullProgramPath(Widen(commandLine), program);  // CreateProcessW may write into it
    started = {};
    if (program.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return false;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    return CreateProcessW(program.c_str(), writable.data(), nullptr, nullptr, FALSE, creationFlags, nullptr, nullptr,
                          &startup, &started) != FALSE;
}

void StartAndForget(const std::string& commandLine, DWORD creationFlags, WORD show) {
    PROCESS_INFORMATION started;
    if (!Start(commandLine, creationFlags, show, started)) return;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

// Waits for the process to end, at most timeLimitMs (negative: no limit),
// handling window messages meanwhile: through keepAlive when there is one,
// else dispatching them here. A WM_QUIT seen here is posted again once the
// wait is over. False when the time ran out.
bool WaitResponsively(HANDLE process, const std::function<void()>& keepAlive, int timeLimitMs) {
    const DWORD begun = GetTickCount();
    auto remaining = [&]() -> DWORD {
        if (timeLimitMs < 0) return INFINITE;
        const DWORD spent = GetTickCount() - begun;
        return spent >= static_cast<DWORD>(timeLimitMs) ? 0 : static_cast<DWORD>(timeLimitMs) - spent;
    };
    bool quitSeen = false, timedOut = false;
    int quitCode = 0;
    for (;;) {
        const DWORD woke = quitSeen ? WaitForSingleObject(process, remaining())
                                    : MsgWaitForMultipleObjects(1, &process, FALSE, remaining(), QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) break;
        if (woke == WAIT_TIMEOUT) {
            timedOut = true;
            break;
        }
        if (woke == WAIT_OBJECT_0 + 1) {
            if (keepAlive) keepAlive();
            else quitSeen = !PumpWaitingMessages(quitCode);
            continue;
        }
        // The wait itself failed; wait without looking at messages instead.
        if (WaitForSingleObject(process, remaining()) == WAIT_TIMEOUT) timedOut = true;
        break;
    }
    if (quitSeen) PostQuitMessage(quitCode);
    return !timedOut;
}

}  // namespace

void Win32ProcessLauncher::ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
                                     ShowMode show) {
    // A bare name of one of Windows' own programs is opened by its full path;
    // others (addresses, documents, programs found through the shell's list
    // of application paths) go to the shell as they are.
    std::wstring target = Widen(file);
    if (const std::wstring full = SystemProgramPath(target); !full.empty()) target = full;
    const int command = show == ShowMode::Hidden ? SW_HIDE : show == ShowMode::Unowned ? SW_SHOW : SW_SHOWNORMAL;
    const auto execute = SystemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!execute) return;
    execute(show == ShowMode::Unowned ? nullptr : static_cast<HWND>(owner_), Widen(verb).c_str(), target.c_str(),
            Widen(parameters).c_str(), nullptr, command);
}

void Win32ProcessLauncher::RunHidden(const std::string& commandLine) { StartAndForget(commandLine, 0, SW_HIDE); }

void Win32ProcessLauncher::RunInNewConsole(const std::string& commandLine) {
    StartAndForget(commandLine, CREATE_NEW_CONSOLE, SW_SHOWNORMAL);
}

StartResult Win32ProcessLauncher::RunInNewConsoleAndWait(const std::string& commandLine,
                                                         const std::function<void()>& keepAlive) {
    PROCESS_INFORMATION started;
    if (!Start(commandLine, CREATE_NEW_CONSOLE, SW_SHOWNORMAL, started)) return {false, GetLastError()};
    CloseHandle(started.hThread);
    WaitResponsively(started.hProcess, keepAlive, kNoTimeLimit);
    CloseHandle(started.hProcess);
    return {};
}

int Win32ProcessLauncher::RunAndWait(const std::string& commandLine, const std::function<void()>& keepAlive,
                                     int timeLimitMs) {
    PROCESS_INFORMATION started;
    if (!Start(commandLine, 0, SW_HIDE, started)) return kNotStarted;
    CloseHandle(started.hThread);

    const bool timedOut = !WaitResponsively(started.hProcess, keepAlive, timeLimitMs);
    if (timedOut) {
        // A tool that hangs is ended, so it cannot write after the caller has moved on.
        TerminateProcess(started.hProcess, 1);
        WaitForSingleObject(started.hProcess, 5000);
    }

    DWORD exitCode = 0;
    const bool known = GetExitCodeProcess(started.hProcess, &exitCode) != FALSE;
    CloseHandle(started.hProcess);
    if (timedOut) return kTimedOut;
    return known ? static_cast<int>(exitCode) : kNotStarted;
}

void Win32ProcessLauncher::RestartWindows() {
    // Windows 9x has no tokens; these steps fail there and the restart still works.
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid);
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    if (token) CloseHandle(token);
    ExitWindowsEx(EWX_REBOOT, 0);
}

void Win32ProcessLauncher::RestartExplorer() {
    if (HWND shell = FindWindowW(L"Progman", nullptr)) PostMessageW(shell, WM_QUIT, 0, 0);
    WaitForWindowClassGone(L"Progman", kExplorerQuitWaitMs);
    StartAndForget(shellCommand_, 0, SW_SHOWNORMAL);
}

bool WaitForWindowClassGone(const wchar_t* className, int timeoutMs, void* parent) {
    if (timeoutMs < 0) timeoutMs = 0;
    const DWORD start = GetTickCount();
    while (FindWindowExW(static_cast<HWND>(parent), nullptr, className, nullptr)) {
        if (GetTickCount() - start >= static_cast<DWORD>(timeoutMs)) return false;
        Sleep(10);
    }
    return true;
}

}  // namespace brisko::win32
