#include "ui/win32/command_line_entry.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/system_paths.h"
#include "startup/silent_run.h"
#include "ui/win32/win32_backends.h"

namespace brisko::ui {

namespace {

// Standard output: a console (the parent's, attached where Windows can) takes
// wide text; a file or pipe that output was redirected to takes UTF-8.
class ConsoleOutput {
public:
    explicit ConsoleOutput(bool wanted) {
        if (!wanted) return;
        handle_ = GetStdHandle(STD_OUTPUT_HANDLE);
        if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
            // A program with windows gets no console of its own. AttachConsole
            // came with Windows XP: looked up, so that Windows 2000 still starts us.
            using AttachConsoleFn = BOOL(WINAPI*)(DWORD);
            const auto attach = reinterpret_cast<AttachConsoleFn>(
                reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "AttachConsole")));
            constexpr DWORD kParentProcess = static_cast<DWORD>(-1);
            if (attach && attach(kParentProcess))
                handle_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
        }
        DWORD mode = 0;
        console_ = handle_ != INVALID_HANDLE_VALUE && handle_ && GetConsoleMode(handle_, &mode);
    }
    void Line(const std::string& text) {
        if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) return;
        DWORD written = 0;
        if (console_) {
            const std::wstring wide = win32::Widen(text) + L"\r\n";
            WriteConsoleW(handle_, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
        } else {
            const std::string bytes = text + "\r\n";
            WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        }
    }

private:
    HANDLE handle_ = nullptr;
    bool console_ = false;
};

// The arguments again as one line for the log, quoted where they hold blanks.
std::string Joined(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) {
        if (!line.empty()) line += ' ';
        line += a.find(' ') == std::string::npos ? a : "\"" + a + "\"";
    }
    return line;
}

}  // namespace

HANDLE TakeSingleInstanceMutex() {
    // Made and tested in one call, so that a copy starting at the same moment
    // cannot slip in between.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kSingleInstanceMutex);
    const DWORD error = GetLastError();
    if (mutex && error != ERROR_ALREADY_EXISTS) return mutex;
    if (mutex) CloseHandle(mutex);
    return nullptr;
}

std::vector<std::string> CommandLineArguments() {
    // Past the program's name (quoted or up to a blank), only blanks: no
    // arguments, and the shell's DLL need not be loaded to split them.
    const wchar_t* line = GetCommandLineW();
    const wchar_t* rest = line;
    if (*rest == L'"') {
        for (++rest; *rest && *rest != L'"';) ++rest;
        if (*rest) ++rest;
    } else {
        while (*rest && *rest != L' ' && *rest != L'\t') ++rest;
    }
    while (*rest == L' ' || *rest == L'\t') ++rest;
    if (!*rest) return {};
    const auto split = win32::SystemFunction<decltype(&CommandLineToArgvW)>(L"shell32.dll", "CommandLineToArgvW");
    int count = 0;
    LPWSTR* words = split ? split(line, &count) : nullptr;
    std::vector<std::string> args;
    for (int i = 1; words && i < count; ++i) args.push_back(win32::Narrow(words[i]));
    if (words) LocalFree(words);
    return args;
}

int RunCommandLine(const std::vector<std::string>& args) {
    const Command command = ParseCommandLine(args);
    ConsoleOutput console(!command.quiet);
    CommandLog log([&console](const std::string& line) { console.Line(line); });
    Win32Backends backends;
    ProgramContext ctx(backends.With(log));
    backends.Serve(ctx);
    // The usage and /check change nothing: they run beside an open window.
    const bool changesNothing = command.kind == CommandKind::Usage || command.kind == CommandKind::Invalid ||
                                command.kind == CommandKind::Check;
    HANDLE mutex = changesNothing ? nullptr : TakeSingleInstanceMutex();
    if (!changesNothing && !mutex)
        return RefuseCommand(ctx, log, Joined(args),
                             "Brisko が実行中のため、コマンドを実行できません。\r\n"
                             "開いている Brisko を閉じてから、もう一度実行してください。");
    const int code = RunSilentCommand(ctx, command, log, Joined(args));
    if (mutex) CloseHandle(mutex);
    return code;
}

}  // namespace brisko::ui
