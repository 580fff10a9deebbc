#include "ui/win32/window.h"

#include <exception>

#include "platform/error.h"
#include "platform/win32/wide.h"
#include "ui/win32/message_box_prompts.h"

namespace brisko::ui {

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Window::RegisterWindowClass(const wchar_t* className, HICON icon) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Window::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

void Window::CreateWindowOf(const wchar_t* className, const std::wstring& title, DWORD style, DWORD exStyle,
                            RECT bounds, HWND owner) {
    CreateWindowExW(exStyle, className, title.c_str(), style, bounds.left, bounds.top, bounds.right - bounds.left,
                    bounds.bottom - bounds.top, owner, nullptr, GetModuleHandleW(nullptr), this);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS && RestoreFocus()) return 0;
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Window::RestoreFocus() {
    if (!lastFocus_ || !IsChild(hwnd_, lastFocus_) || !IsWindowVisible(lastFocus_) || !IsWindowEnabled(lastFocus_))
        return false;
    SetFocus(lastFocus_);
    return true;
}

void Window::ShowUnhandledError(const std::string& text) { MessageBoxPrompts::ShowUnhandledError(hwnd_, text); }

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    // Leaving the window remembers its focused control, whatever the window
    // does with the message itself.
    if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) self->lastFocus_ = focus;
    }
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (const BriskoError& e) {
        self->ShowUnhandledError(e.what());
    } catch (const std::exception& e) {
        self->ShowUnhandledError(e.what());
    }
    return 0;
}

bool RunModalLoop(HWND window, const std::function<bool()>& stillOpen) {
    MSG message;
    while (stillOpen()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 1);
            return false;
        }
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

void PressFocusedButton(HWND window) {
    HWND focus = GetFocus();
    wchar_t cls[16] = L"";
    if (focus && IsChild(window, focus)) GetClassNameW(focus, cls, 16);
    if (lstrcmpiW(cls, L"Button") == 0) SendMessageW(focus, BM_CLICK, 0, 0);
}

}  // namespace brisko::ui
