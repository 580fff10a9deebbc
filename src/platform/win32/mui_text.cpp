#include "platform/win32/mui_text.h"

#include <vector>

#include "platform/win32/wow64.h"

namespace brisko::win32 {

std::optional<std::wstring> LoadMuiText(HKEY key, const std::wstring& valueName) {
    using LoadMuiFn = LONG(WINAPI*)(HKEY, LPCWSTR, LPWSTR, DWORD, LPDWORD, DWORD, LPCWSTR);
    const auto load = reinterpret_cast<LoadMuiFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"advapi32.dll"), "RegLoadMUIStringW")));
    if (!load) return std::nullopt;
    // The DLL is read as data from the 64-bit system folder.
    const FileSystemRedirectionOff off(true);
    std::vector<wchar_t> text(1024);
    DWORD bytes = 0;
    LONG result = load(key, valueName.c_str(), text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &bytes,
                       0, nullptr);
    if (result == ERROR_MORE_DATA && bytes > 0 && bytes < 1024 * 1024) {
        text.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        result = load(key, valueName.c_str(), text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &bytes,
                      0, nullptr);
    }
    if (result != ERROR_SUCCESS) return std::nullopt;
    text.back() = L'\0';
    return std::wstring(text.data());
}

}  // namespace brisko::win32
