#pragma once
// A top-level window whose messages go to a virtual handler, with narrow
// hooks for commands and notifications as 7-Zip's dialog class has them, and
// parts (child_part.h) that handle the messages of their own controls. Errors
// thrown by a handler end the action that raised them and are shown in a
// message box, after which the program goes on; one thrown while the window
// is made (WM_CREATE) fails the making, and the window is destroyed.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/win32/child_part.h"
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
    // The window's messages, but those a part handled. The default hands
    // WM_COMMAND to OnCommand and WM_NOTIFY to OnNotify.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnCommand(int /*id*/, int /*code*/) {}
    virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
    // From now on the part is handed the messages of its controls, after the
    // parts added before it; it lives as long as the window.
    void AddPart(ChildPart& part) { parts_.push_back(&part); }
    // Shows an error nothing else handled; the caption is the application title.
    void ShowUnhandledError(const std::string& text) const { ShowErrorBox(hwnd_, text); }
    // Gives the focus back to the control that had it when the window was
    // last left (for a message box, a dialog or another program), as a
    // dialog does; false when there is none that can take it.
    bool RestoreFocus();

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Hands a control's message to the part that owns the control; whether
    // the part handled it, and if so its result.
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const;
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
    std::vector<ChildPart*> parts_;
};

}  // namespace brisko::ui
