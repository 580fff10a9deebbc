#include "ui/win32/options_page.h"

#include <commctrl.h>

#include <algorithm>

#include "prefs/colour_text.h"
#include "ui/win32/window_chores.h"

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

bool OptionsPage::Owns(HWND control) const {
    return std::find(controls_.begin(), controls_.end(), control) != controls_.end();
}

void OptionsPage::Show(bool visible) {
    for (HWND control : controls_) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

HWND OptionsPage::Add(const wchar_t* cls, const std::wstring& text, DWORD style, int id, const Rect& r, DWORD exStyle) {
    return controls_.emplace_back(MakeChild(host_.window, cls, text, style, id, host_.font, exStyle, host_.dpi.Of(r)));
}

}  // namespace brisko::ui
