#pragma once
// UTF-8 inside the program, UTF-16 at the wide Windows API boundary.
#include <string>

namespace brisko::win32 {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

}  // namespace brisko::win32
