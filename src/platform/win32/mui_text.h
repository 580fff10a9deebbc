#pragma once
// A registry value's text in the user's language (RegLoadMUIStringW: "@dll,-id"
// names a string in a DLL's resources). The x86 program on 64-bit Windows
// reads the DLL from the 64-bit system folder: many services' DLLs are there
// only.
#include <windows.h>

#include <optional>
#include <string>

namespace brisko::win32 {

// The text of the key's value; nullopt where it cannot be resolved (and on
// Windows 2000 and XP, which lack RegLoadMUIStringW: it is not imported).
std::optional<std::wstring> LoadMuiText(HKEY key, const std::wstring& valueName);

}  // namespace brisko::win32
