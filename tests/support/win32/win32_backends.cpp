// Windows backends: the real registry (a scratch key under HKCU) and a
// scratch folder in the temporary folder.
#include <windows.h>

#include "platform/registry_values.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry_store.h"
#include "support/backends.h"

namespace brisko::testing {

namespace {
std::string UniqueName() {
    static unsigned counter = 0;
    return "BriskoTest-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

struct RealRegistry : RegistryUnderTest {
    win32::Win32RegistryStore real;
    RealRegistry() {
        store = &real;
        base = "Software\\" + UniqueName();
    }
    ~RealRegistry() override { RegDeleteKeyTree(real, root, "\\" + base); }
};

void DeleteTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) DeleteTree(child);
            else DeleteFileW(child.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

struct RealFiles : FilesUnderTest {
    win32::Win32FileSystem real;
    RealFiles() {
        files = &real;
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        std::string t = win32::Narrow(temp);
        while (!t.empty() && t.back() == '\\') t.pop_back();
        folder = t + "\\" + UniqueName();
        CreateDirectoryW(win32::Widen(folder).c_str(), nullptr);
    }
    ~RealFiles() override { DeleteTree(win32::Widen(folder)); }
    void MakeFolder(const std::string& path) override { CreateDirectoryW(win32::Widen(path).c_str(), nullptr); }
    void PutFile(const std::string& path, const std::string& bytes, uint32_t attributes) override {
        const std::wstring p = win32::Widen(path);
        SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_NORMAL);
        HANDLE h = CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
        SetFileAttributesW(p.c_str(), attributes);
    }
};
}  // namespace

std::unique_ptr<RegistryUnderTest> MakeRegistryUnderTest() { return std::make_unique<RealRegistry>(); }
std::unique_ptr<FilesUnderTest> MakeFilesUnderTest() { return std::make_unique<RealFiles>(); }

bool RunningUnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

}  // namespace brisko::testing
