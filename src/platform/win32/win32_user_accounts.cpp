#include "platform/win32/win32_user_accounts.h"

#include <windows.h>
#include <sddl.h>

#include <vector>

#include "platform/win32/system_paths.h"
#include "platform/win32/wide.h"

namespace brisko::win32 {

namespace {
// A handle closed when it goes.
class Handle {
public:
    explicit Handle(HANDLE h = nullptr) : h_(h) {}
    ~Handle() {
        if (h_) CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE* Out() { return &h_; }
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

std::string SidText(PSID sid) {
    LPWSTR text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text)) return "";
    std::string out = Narrow(text);
    LocalFree(text);
    return out;
}

// The SID of a process's user, as text; "" when it cannot be read.
std::string TokenUserOf(HANDLE process) {
    Handle token;
    if (!OpenProcessToken(process, TOKEN_QUERY, token.Out())) return "";
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    if (size == 0) return "";
    std::vector<unsigned char> buffer(size);
    if (!GetTokenInformation(token.get(), TokenUser, buffer.data(), size, &size)) return "";
    return SidText(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid);
}

bool EnablePrivilege(HANDLE token, const wchar_t* name) {
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueW(nullptr, name, &privileges.Privileges[0].Luid)) return false;
    return AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) && GetLastError() == ERROR_SUCCESS;
}
}  // namespace

std::string Win32UserAccounts::ProcessUser() { return TokenUserOf(GetCurrentProcess()); }

std::string Win32UserAccounts::ShellUser() {
    // The shell's window belongs to the desktop of this session; a service's
    // session, or the time before anyone signed in, has none.
    HWND shell = GetShellWindow();
    DWORD processId = 0;
    if (!shell || !GetWindowThreadProcessId(shell, &processId) || processId == 0) return "";
    Handle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
    return process.get() ? TokenUserOf(process.get()) : "";
}

std::string Win32UserAccounts::AccountName(const std::string& sidText) {
    PSID sid = nullptr;
    if (!ConvertStringSidToSidW(Widen(sidText).c_str(), &sid)) return "";
    wchar_t name[256], domain[256];
    DWORD nameSize = 256, domainSize = 256;
    SID_NAME_USE use;
    const bool found = LookupAccountSidW(nullptr, sid, name, &nameSize, domain, &domainSize, &use);
    LocalFree(sid);
    if (!found) return "";
    const std::string user = Narrow(name), where = Narrow(domain);
    return where.empty() ? user : where + "\\" + user;
}

std::string Win32UserAccounts::AccountSid(const std::string& name) {
    unsigned char sid[SECURITY_MAX_SID_SIZE];
    wchar_t domain[256];
    DWORD sidSize = sizeof sid, domainSize = 256;
    SID_NAME_USE use;
    if (!LookupAccountNameW(nullptr, Widen(name).c_str(), sid, &sidSize, domain, &domainSize, &use)) return "";
    return use == SidTypeUser ? SidText(sid) : "";
}

std::string Win32UserAccounts::DefaultProfileFolder() {
    // userenv.dll is looked up, not imported: only fleet commands need it.
    using DefaultDirectoryFn = BOOL(WINAPI*)(LPWSTR, LPDWORD);
    const auto get = SystemFunction<DefaultDirectoryFn>(L"userenv.dll", "GetDefaultUserProfileDirectoryW");
    if (!get) return "";
    wchar_t folder[MAX_PATH];
    DWORD size = MAX_PATH;
    return get(folder, &size) ? Narrow(folder) : "";
}

std::string Win32UserAccounts::ExpandedPath(const std::string& path) {
    const std::wstring wide = Widen(path);
    const DWORD size = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
    if (size == 0) return path;
    std::wstring out(size, L'\0');
    if (ExpandEnvironmentStringsW(wide.c_str(), out.data(), size) == 0) return path;
    out.resize(size - 1);
    return Narrow(out);
}

HiveLoad Win32UserAccounts::LoadHive(const std::string& key, const std::string& file) {
    // Where the file is missing RegLoadKey makes a new, empty hive of that
    // name: a profile without its NTUSER.DAT is left as it is.
    if (GetFileAttributesW(Widen(file).c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {HiveLoad::Kind::Missing, error};
    }
    if (!privilegesAsked_) {
        // Loading and unloading a hive needs both; an administrator's token has them, disabled.
        privilegesAsked_ = true;
        Handle token;
        if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Out())) {
            EnablePrivilege(token.get(), SE_BACKUP_NAME);
            EnablePrivilege(token.get(), SE_RESTORE_NAME);
        }
    }
    const LONG result = RegLoadKeyW(HKEY_USERS, Widen(key).c_str(), Widen(file).c_str());
    switch (result) {
        case ERROR_SUCCESS: return {};
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return {HiveLoad::Kind::InUse, static_cast<unsigned long>(result)};
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return {HiveLoad::Kind::Missing, static_cast<unsigned long>(result)};
        default: return {HiveLoad::Kind::Refused, static_cast<unsigned long>(result)};
    }
}

bool Win32UserAccounts::UnloadHive(const std::string& key) {
    return RegUnLoadKeyW(HKEY_USERS, Widen(key).c_str()) == ERROR_SUCCESS;
}

}  // namespace brisko::win32
