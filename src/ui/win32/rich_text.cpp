#include "ui/win32/rich_text.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/wide.h"

namespace brisko::ui {

namespace {
struct Source {
    const std::string* text;
    size_t at;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
    auto* source = reinterpret_cast<Source*>(cookie);
    const size_t n = std::min(static_cast<size_t>(wanted), source->text->size() - source->at);
    std::memcpy(buffer, source->text->data() + source->at, n);
    source->at += n;
    *got = static_cast<LONG>(n);
    return 0;
}
}  // namespace

void SetRichText(HWND edit, const std::string& rtf) {
    Source source{&rtf, 0};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = ReadChunk;
    SendMessageW(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

std::string SelectedRichText(HWND edit) {
    // Asked for in UTF-16 by code page: the plain selection messages answer
    // in the ANSI code page where Windows is of the 9x family.
    CHARRANGE range{};
    SendMessageW(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    std::wstring selection(static_cast<size_t>(std::max<LONG>(range.cpMax - range.cpMin, 0)) + 1, L'\0');
    GETTEXTEX request{};
    request.cb = static_cast<DWORD>(selection.size() * sizeof(wchar_t));
    request.flags = GT_SELECTION;
    request.codepage = 1200;  // UTF-16
    const LRESULT n = SendMessageW(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                                   reinterpret_cast<LPARAM>(selection.data()));
    selection.resize(n > 0 ? std::min<size_t>(static_cast<size_t>(n), selection.size() - 1) : 0);
    return win32::Narrow(selection);
}

}  // namespace brisko::ui
