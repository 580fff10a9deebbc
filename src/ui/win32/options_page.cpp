#include "ui/win32/options_page.h"

#include <commctrl.h>

#include "platform/win32/wide.h"
#include "prefs/colour_text.h"

namespace brisko::ui {

COLORREF PaintColour(int32_t colour) {
    return ResolveColor(colour, [](int index) { return static_cast<uint32_t>(GetSysColor(index)); });
}

void SetTabStyle(HWND tabs, PageStyle style) {
    LONG_PTR bits = GetWindowLongPtrW(tabs, GWL_STYLE) & ~static_cast<LONG_PTR>(TCS_BUTTONS | TCS_FLATBUTTONS);
    if (style == PageStyle::Buttons) bits |= TCS_BUTTONS;
    if (style == PageStyle::FlatButtons) bits |= TCS_BUTTONS | TCS_FLATBUTTONS;
    SetWindowLongPtrW(tabs, GWL_STYLE, bits);
    InvalidateRect(tabs, nullptr, TRUE);
}

void OptionsPage::Show(bool visible) {
    for (HWND control : controls_) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

HWND OptionsPage::Add(const wchar_t* cls, const std::wstring& text, DWORD style, int id, const Rect& r, DWORD exStyle) {
    const RECT place = host_.dpi.Of(r);
    HWND control = CreateWindowExW(exStyle, cls, text.c_str(), WS_CHILD | style, place.left, place.top,
                                   place.right - place.left, place.bottom - place.top, host_.window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(host_.font), FALSE);
    controls_.push_back(control);
    return control;
}

std::string OptionsPage::TextOf(int id) const {
    const int length = GetWindowTextLengthW(Item(id));
    std::wstring text(length + 1, L'\0');
    GetWindowTextW(Item(id), text.data(), length + 1);
    text.resize(length);
    return win32::Narrow(text);
}

}  // namespace brisko::ui
