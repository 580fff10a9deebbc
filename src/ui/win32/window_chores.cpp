#include "ui/win32/child_controls.h"

namespace brisko::ui {

HWND MakeChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, HFONT font, DWORD exStyle) {
    HWND child = CreateWindowExW(exStyle, cls, text, WS_CHILD | style, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void Place(HWND control, const RECT& r) { MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE); }

}  // namespace brisko::ui
