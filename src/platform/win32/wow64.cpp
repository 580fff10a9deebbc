#include "platform/win32/wow64.h"

namespace brisko::win32 {

namespace {
template <typename Function>
Function Kernel32(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}
}  // namespace

#if defined(_WIN64)

bool RunningUnderWow64() { return false; }
std::wstring SysnativeFolder() { return {}; }
bool NeedsRedirectionOff() { return false; }
FileSystemRedirectionOff::FileSystemRedirectionOff(bool) {}
FileSystemRedirectionOff::~FileSystemRedirectionOff() {}

#else

bool RunningUnderWow64() {
    // XP SP2 and later; earlier systems run no WoW64 of their own.
    using IsWow64Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto is = Kernel32<IsWow64Fn>("IsWow64Process");
    BOOL wow64 = FALSE;
    return is && is(GetCurrentProcess(), &wow64) && wow64;
}

std::wstring SysnativeFolder() {
    if (!RunningUnderWow64()) return {};
    wchar_t windows[MAX_PATH];
    const UINT n = GetWindowsDirectoryW(windows, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    const std::wstring folder = std::wstring(windows, n) + L"\\Sysnative";
    const DWORD a = GetFileAttributesW(folder.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) ? folder : std::wstring();
}

bool NeedsRedirectionOff() { return RunningUnderWow64() && SysnativeFolder().empty(); }

FileSystemRedirectionOff::FileSystemRedirectionOff(bool wanted) {
    if (!wanted || !RunningUnderWow64()) return;
    using DisableFn = BOOL(WINAPI*)(PVOID*);
    const auto disable = Kernel32<DisableFn>("Wow64DisableWow64FsRedirection");
    off_ = disable && disable(&previous_);
}

FileSystemRedirectionOff::~FileSystemRedirectionOff() {
    if (!off_) return;
    using RevertFn = BOOL(WINAPI*)(PVOID);
    if (const auto revert = Kernel32<RevertFn>("Wow64RevertWow64FsRedirection")) revert(previous_);
}

#endif

}  // namespace brisko::win32
