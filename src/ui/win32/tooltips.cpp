#include "ui/win32/tooltips.h"

#include <commctrl.h>

namespace brisko::ui {

Tooltips::Tooltips(HWND owner)
    : owner_(owner),
      tip_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0,
                           owner, nullptr, GetModuleHandleW(nullptr), nullptr)) {}

namespace {
TOOLINFOW ToolOf(HWND owner, HWND control, const std::wstring& text) {
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    return info;
}
}  // namespace

void Tooltips::Add(HWND control, const std::wstring& text) {
    if (!tip_ || !control) return;
    TOOLINFOW info = ToolOf(owner_, control, text);
    // A control added again takes the new text instead of keeping the old one.
    SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::SetText(HWND control, const std::wstring& text) {
    if (!tip_ || !control) return;
    TOOLINFOW info = ToolOf(owner_, control, text);
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace brisko::ui
