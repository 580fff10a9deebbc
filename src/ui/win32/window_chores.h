#pragma once
// Making and placing the plain child controls of a window.
#include <windows.h>

namespace brisko::ui {

// A hidden-until-shown child control (WS_CHILD is added) with its font.
HWND MakeChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, HFONT font,
               DWORD exStyle = 0);
void Place(HWND control, const RECT& r);

}  // namespace brisko::ui
