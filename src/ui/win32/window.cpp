#include "ui/win32/window.h"

#include <exception>

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

bool Window::CreateWindowOf(const wchar_t* className, const std::wstring& title, DWORD style, DWORD exStyle,
                            RECT bounds, HWND owner) {
    return CreateWindowExW(exStyle, className, title.c_str(), style, bounds.left, bounds.top, bounds.right - bounds.left,
                           bounds.bottom - bounds.top, owner, nullptr, GetModuleHandleW(nullptr), this) != nullptr;
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_SETFOCUS:
            if (RestoreFocus()) return 0;
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Window::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const {
    auto owner = [&](HWND control) -> ChildPart* {
        if (control)
            for (ChildPart* part : parts_)
                if (part->Owns(control)) return part;
        return nullptr;
    };
    switch (message) {
        case WM_COMMAND: {
            ChildPart* part = owner(reinterpret_cast<HWND>(lParam));
            return part && part->OnCommand(LOWORD(wParam), HIWORD(wParam));
        }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            ChildPart* part = owner(header.hwndFrom);
            return part && part->OnNotify(header, result);
        }
        case WM_MEASUREITEM: {
            auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            ChildPart* part = item.CtlType == ODT_MENU ? nullptr : owner(GetDlgItem(hwnd_, item.CtlID));
            result = TRUE;
            return part && part->OnMeasureItem(item);
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            ChildPart* part = item.CtlType == ODT_MENU ? nullptr : owner(item.hwndItem);
            result = TRUE;
            return part && part->OnDrawItem(item);
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: {
            ChildPart* part = owner(reinterpret_cast<HWND>(lParam));
            const HBRUSH brush = part ? part->OnCtlColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))
                                      : nullptr;
            result = reinterpret_cast<LRESULT>(brush);
            return brush != nullptr;
        }
    }
    return false;
}

bool Window::RestoreFocus() {
    if (!lastFocus_ || !IsChild(hwnd_, lastFocus_) || !IsWindowVisible(lastFocus_) || !IsWindowEnabled(lastFocus_))
        return false;
    SetFocus(lastFocus_);
    return true;
}

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
    LRESULT result = 0;
    try {
        if (!self->Reflect(message, wParam, lParam, result)) result = self->OnMessage(message, wParam, lParam);
    } catch (const std::exception& e) {  // BriskoError, with its Japanese message, among them
        self->ShowUnhandledError(e.what());
        // A window whose making failed half-way is not left standing: the
        // system destroys it, and CreateWindowOf reports the failure.
        if (message == WM_CREATE) result = -1;
    }
    // The last message: the handle is dead from here on, the object no longer
    // receives anything, and the parts' controls are gone with it.
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->parts_.clear();
    }
    return result;
}

}  // namespace brisko::ui
