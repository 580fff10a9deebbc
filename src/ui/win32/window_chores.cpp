#include "ui/win32/window_chores.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/wide.h"

namespace brisko::ui {

Font MakeFont(const Dpi& dpi, int pixels, bool bold, const wchar_t* face) {
    return Font(CreateFontW(-dpi(pixels), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face));
}

HWND MakeChild(HWND parent, const wchar_t* cls, const std::wstring& text, DWORD style, int id, HFONT font,
               DWORD exStyle, const RECT& place) {
    HWND child = CreateWindowExW(exStyle, cls, text.c_str(), WS_CHILD | style, place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (child && font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void Place(HWND control, const RECT& r) { MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE); }

void AddTab(HWND tabs, int index, const wchar_t* caption) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption);
    SendMessageW(tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

std::string WindowText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(length + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    text.resize(length);
    return win32::Narrow(text);
}

std::wstring ListLine(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string SelectedListLine(HWND list) {
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return selected < 0 ? std::string() : win32::Narrow(ListLine(list, static_cast<int>(selected)));
}

void CentreOver(HWND window, HWND owner, bool keepOnScreen) {
    RECT mine, around = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    GetWindowRect(window, &mine);
    if (owner) GetWindowRect(owner, &around);
    const int w = mine.right - mine.left, h = mine.bottom - mine.top;
    int left = (around.left + around.right - w) / 2, top = (around.top + around.bottom - h) / 2;
    if (keepOnScreen) left = std::max(0, left), top = std::max(0, top);
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool RunModal(HWND window, HWND owner, HWND focus, const std::function<bool()>& stillOpen) {
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(focus);
    const bool ran = RunModalLoop(window, stillOpen);
    if (owner) EnableWindow(owner, TRUE);
    ShowWindow(window, SW_HIDE);
    return ran;
}

void EndModal(HWND window, HWND owner) {
    if (owner) EnableWindow(owner, TRUE);
    ShowWindow(window, SW_HIDE);
    PostMessageW(window, WM_NULL, 0, 0);
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

void DragByCaption(HWND window) {
    ReleaseCapture();
    SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

WNDPROC Subclass(HWND control, const wchar_t* property, void* data, WNDPROC proc) {
    SetPropW(control, property, data);
    return reinterpret_cast<WNDPROC>(SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

void Unsubclass(HWND control, const wchar_t* property, WNDPROC original) {
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropW(control, property);
}

}  // namespace brisko::ui
