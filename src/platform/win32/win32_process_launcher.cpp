#include "platform/win32/win32_process_launcher.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/message_pump.h"
#include "platform/win32/system_paths.h"
#include "platform/win32/wide.h"
#include "platform/win32/wow64.h"

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
    // Children start in the system folder, not in this program's current
    // folder, where cmd and the tools would look for their own files first.
    const std::wstring folder = SystemFolder();
    // XP and Server 2003 x64: the 64-bit program found with redirection off is started so.
    const FileSystemRedirectionOff off(NeedsRedirectionOff());
    return CreateProcessW(program.c_str(), writable.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &started) != FALSE;
}

// A program the machine registered under App Paths (HKLM), as the shell
// would find it: a full path to a file that is there; empty otherwise.
std::wstring RegisteredProgramPath(const std::wstring& name) {
    const std::wstring file = name.find(L'.') == std::wstring::npos ? name + L".exe" : name;
    HKEY key = nullptr;
    const std::wstring path = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + file;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
    wchar_t value[MAX_PATH] = L"";
    DWORD type = 0, bytes = sizeof value - sizeof(wchar_t);
    const bool read = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &bytes) == ERROR_SUCCESS &&
                      (type == REG_SZ || type == REG_EXPAND_SZ);
    RegCloseKey(key);
    if (!read) return {};
    value[bytes / sizeof(wchar_t)] = L'\0';
    wchar_t expanded[MAX_PATH] = L"";
    const DWORD n = ExpandEnvironmentStringsW(value, expanded, MAX_PATH);
    std::wstring full(expanded, n > 0 && n <= MAX_PATH ? n - 1 : 0);
    if (full.size() >= 2 && full.front() == L'"' && full.back() == L'"') full = full.substr(1, full.size() - 2);
    const bool absolute = full.size() > 3 && full[1] == L':' && full[2] == L'\\';
    const DWORD a = absolute ? GetFileAttributesW(full.c_str()) : INVALID_FILE_ATTRIBUTES;
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY) ? full : std::wstring();
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
    // A bare name is a program, opened by its full path (see ProgramPath),
    // or not at all: the shell would look for it in the current folder
    // first. Addresses and documents go to the shell as they are.
    std::wstring target = Widen(file);
    if (IsBareName(target)) target = Widen(ProgramPath(file));
    if (target.empty()) return;
    const int command = show == ShowMode::Hidden ? SW_HIDE : show == ShowMode::Unowned ? SW_SHOW : SW_SHOWNORMAL;
    const auto execute = SystemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!execute) return;
    const std::wstring folder = SystemFolder();
    execute(show == ShowMode::Unowned ? nullptr : static_cast<HWND>(owner_), Widen(verb).c_str(), target.c_str(),
            Widen(parameters).c_str(), folder.empty() ? nullptr : folder.c_str(), command);
}

std::string Win32ProcessLauncher::ProgramPath(const std::string& name) {
    const std::wstring wide = Widen(name);
    if (!IsBareName(wide)) return "";
    std::wstring full = SystemProgramPath(wide);
    if (full.empty()) full = RegisteredProgramPath(wide);
    return Narrow(full);
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
