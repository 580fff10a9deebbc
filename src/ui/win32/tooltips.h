#pragma once
// Hints: a tooltip for each control that has one.
#include <windows.h>

#include <string>

namespace brisko::ui {

class Tooltips {
public:
    explicit Tooltips(HWND owner);
    // Adds the control's hint, or replaces the hint it has.
    void Add(HWND control, const std::wstring& text);
    // Changes the hint of a control added before.
    void SetText(HWND control, const std::wstring& text);

private:
    HWND owner_;
    HWND tip_;
};

}  // namespace brisko::ui
