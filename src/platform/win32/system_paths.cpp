#include "platform/win32/system_paths.h"

#include "platform/win32/wow64.h"

namespace brisko::win32 {

namespace {
using FolderFn = UINT(WINAPI*)(LPWSTR, UINT);

std::wstring Folder(FolderFn get) {
    wchar_t buf[MAX_PATH];
    const UINT n = get(buf, MAX_PATH);
    return n && n < MAX_PATH ? std::wstring(buf, n) : std::wstring();
}

bool IsFile(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

bool IsBareName(const std::wstring& name) {
    return !name.empty() && name.find_first_of(L"\\/:") == std::wstring::npos;
}

std::wstring SystemFolder() { return Folder(GetSystemDirectoryW); }

std::wstring SystemProgramPath(const std::wstring& name) {
    if (!IsBareName(name)) return {};
    const std::wstring file = name.find(L'.') == std::wstring::npos ? name + L".exe" : name;
    // The x86 program on 64-bit Windows runs the 64-bit programs: through
    // Sysnative, or where there is none, found with redirection off (and
    // started so, see the launcher).
    const std::wstring native = SysnativeFolder();
    const FileSystemRedirectionOff off(native.empty() && NeedsRedirectionOff());
    for (const std::wstring& folder : {native.empty() ? SystemFolder() : native, Folder(GetWindowsDirectoryW)})
        if (!folder.empty() && IsFile(folder + L"\\" + file)) return folder + L"\\" + file;
    return {};
}

std::wstring WithFullProgramPath(const std::wstring& commandLine, std::wstring& program) {
    size_t begin = commandLine.find_first_not_of(L" \t");
    if (begin == std::wstring::npos) begin = commandLine.size();
    size_t end;
    if (begin < commandLine.size() && commandLine[begin] == L'"') {
        end = commandLine.find(L'"', begin + 1);
        program = commandLine.substr(begin + 1, end == std::wstring::npos ? end : end - begin - 1);
        end = end == std::wstring::npos ? commandLine.size() : end + 1;
    } else {
        end = commandLine.find_first_of(L" \t", begin);
        if (end == std::wstring::npos) end = commandLine.size();
        program = commandLine.substr(begin, end - begin);
    }
    if (program.empty()) return commandLine;
    if (IsBareName(program)) program = SystemProgramPath(program);
    return L"\"" + program + L"\"" + commandLine.substr(end);
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    const std::wstring folder = SystemFolder();  // this process's own DLLs: 32-bit ones under WoW64
    if (folder.empty()) return nullptr;
    return LoadLibraryExW((folder + L"\\" + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void KeepCurrentFolderOutOfDllSearch() {
    using SetDllDirectoryFn = BOOL(WINAPI*)(LPCWSTR);
    const auto set = reinterpret_cast<SetDllDirectoryFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDllDirectoryW")));
    if (set) set(L"");
}

}  // namespace brisko::win32
