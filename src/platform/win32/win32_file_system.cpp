#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include "platform/file_replacement.h"
#include "platform/win32/wide.h"

namespace brisko::win32 {

namespace {
class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
    Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && FlushFileBuffers(file.get());
    return ok;
}

// ReplaceFileW keeps the target's identity (creation time, security); it is
// looked up at run time so the program also loads where kernel32 lacks it,
// and the plain replacing move stands in there.
bool SystemReplace(const std::wstring& target, const std::wstring& temp, const std::wstring& backup) {
    using ReplaceFileFn = BOOL(WINAPI*)(LPCWSTR, LPCWSTR, LPCWSTR, DWORD, LPVOID, LPVOID);
    const auto replace = reinterpret_cast<ReplaceFileFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "ReplaceFileW")));
    if (replace)
        return replace(target.c_str(), temp.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                       nullptr) != 0;
    return MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

std::optional<std::string> Win32FileSystem::ReadWhole(const std::string& path, uint64_t largest) {
    Handle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    // Only a file on disk has a size to check first; a device (CON, a pipe)
    // is refused rather than read without end.
    LARGE_INTEGER size{};
    if (GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.get(), &size) ||
        static_cast<uint64_t>(size.QuadPart) > largest)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<size_t>(size.QuadPart));
    char buf[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), buf, sizeof buf, &got, nullptr)) return std::nullopt;  // never a part as the whole
        if (got == 0) return bytes;
        if (bytes.size() + got > largest) return std::nullopt;  // grown meanwhile
        bytes.append(buf, got);
    }
}

// The steps are the portable ones (file_replacement.h), which tests run over
// the in-memory file system; only the steps themselves are kernel32's.
bool Win32FileSystem::WriteReplacing(const std::string& path, const std::string& bytes) {
    return ReplaceFileWhole(*this, path, bytes);
}

bool Win32FileSystem::WriteDirect(const std::string& path, const std::string& bytes) {
    return WriteWhole(Widen(path), bytes);
}

bool Win32FileSystem::ReplaceKeeping(const std::string& target, const std::string& temp, const std::string& backup) {
    return replace_ ? replace_(target, temp, backup) : SystemReplace(Widen(target), Widen(temp), Widen(backup));
}

std::optional<uint32_t> Win32FileSystem::GetAttributes(const std::string& path) {
    const DWORD a = GetFileAttributesW(Widen(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return a;
}

bool Win32FileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
    return SetFileAttributesW(Widen(path).c_str(), attributes) != 0;
}

std::vector<FolderEntry> Win32FileSystem::ListFolder(const std::string& path) {
    std::vector<FolderEntry> entries;
    VisitFolder(path, [&](const FolderEntry& entry) {
        entries.push_back(entry);
        return true;
    });
    return entries;
}

bool Win32FileSystem::VisitFolder(const std::string& path, const std::function<bool(const FolderEntry&)>& visit) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Widen(path + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return true;
    bool goOn = true;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        goOn = visit({Narrow(name), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (goOn && FindNextFileW(find, &data));
    FindClose(find);
    return goOn;
}

}  // namespace brisko::win32

namespace brisko::win32 {

bool Win32FileSystem::CreateFolder(const std::string& path) {
    const std::wstring p = Widen(path);
    if (CreateDirectoryW(p.c_str(), nullptr)) return true;
    const DWORD a = GetFileAttributesW(p.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::RemoveFile(const std::string& path) { return ::DeleteFileW(Widen(path).c_str()) != 0; }

// Appending, for the command log: every write lands at the end, so two runs
// appending at once each keep their block (each opens it sharing writes).
bool Win32FileSystem::AppendToFile(const std::string& path, const std::string& bytes) {
    Handle file(CreateFileW(Widen(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

std::optional<uint64_t> Win32FileSystem::FileSize(const std::string& path) {
    WIN32_FIND_DATAW data;
    const HANDLE found = FindFirstFileW(Widen(path).c_str(), &data);
    if (found == INVALID_HANDLE_VALUE) return std::nullopt;
    FindClose(found);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
    return uint64_t(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

bool Win32FileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    return MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace brisko::win32
