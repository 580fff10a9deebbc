#include "ui/win32/rich_text.h"

#include <richedit.h>

#include <cstring>

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

}  // namespace brisko::ui
