#include "ui/win32/appearance_target.h"

#include <commctrl.h>

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

}  // namespace brisko::ui
