#pragma once
// A top-level window whose messages go to a virtual handler. Errors thrown
// by a handler end the action that raised them and are shown in a message
// box, after which the program goes on.
#include <windows.h>

#include <functional>
#include <string>

namespace brisko::ui {

// The program's title: the caption of its message boxes, and the text the
// task bar and the window switcher show for its caption-less windows.
inline constexpr wchar_t kApplicationTitle[] = L"Brisko";

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }

protected:
    // Registers the class once per process (a second call does nothing).
    static void RegisterWindowClass(const wchar_t* className, HICON icon);
    void CreateWindowOf(const wchar_t* className, const std::wstring& title, DWORD style, DWORD exStyle, RECT bounds,
                        HWND owner);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Shows an error nothing else handled; the caption is the application title.
    virtual void ShowUnhandledError(const std::string& text);
    // Gives the focus back to the control that had it when the window was
    // last left (for a message box, a dialog or another program), as a
    // dialog does; false when there is none that can take it.
    bool RestoreFocus();

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
};

// The message loop of a modal window: runs while stillOpen() holds, with the
// keys acting within the window as in a dialog. When the program is told to
// end meanwhile, it passes that on to the outer loop and returns false.
bool RunModalLoop(HWND window, const std::function<bool()>& stillOpen);

// Enter in a window without a default button: the focused button of the
// window, if a button has the focus, is pressed.
void PressFocusedButton(HWND window);

}  // namespace brisko::ui
