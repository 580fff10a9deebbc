#include "ui/win32/options_page.h"

#include <algorithm>

#include "ui/win32/window_chores.h"

namespace brisko::ui {

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
