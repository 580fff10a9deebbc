#include "platform/win32/wide.h"

#include "platform/text/utf.h"

namespace brisko::win32 {

std::wstring Widen(const std::string& utf8) {
    const std::u16string u = text::Utf8ToUtf16(utf8);
    return std::wstring(u.begin(), u.end());
}

std::string Narrow(const std::wstring& wide) { return text::Utf16ToUtf8(std::u16string(wide.begin(), wide.end())); }

}  // namespace brisko::win32
