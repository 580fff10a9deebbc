#pragma once
// A top-level window whose messages go to a virtual handler. Errors thrown
// by a handler end the action that raised them and are shown in a message
// box, after which the program goes on; one thrown while the window is made
// (WM_CREATE) fails the making, and the window is destroyed.
#include <windows.h>

#include <string>

#include "ui/win32/error_box.h"

namespace brisko::ui {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    // The window's handle: nullptr before it is made and once it is destroyed.
    HWND Handle() const { return hwnd_; }

protected:
    // Registers the class once per process (a second call does nothing).
    static void RegisterWindowClass(const wchar_t* className, HICON icon);
    // Makes the window; false when it could not be made (its WM_CREATE failed).
    bool CreateWindowOf(const wchar_t* className, const std::wstring& title, DWORD style, DWORD exStyle, RECT bounds,
                        HWND owner);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Shows an error nothing else handled; the caption is the application title.
    void ShowUnhandledError(const std::string& text) const { ShowErrorBox(hwnd_, text); }
    // Gives the focus back to the control that had it when the window was
    // last left (for a message box, a dialog or another program), as a
    // dialog does; false when there is none that can take it.
    bool RestoreFocus();

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
};

}  // namespace brisko::ui
