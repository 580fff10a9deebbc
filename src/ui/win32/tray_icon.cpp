#include "ui/win32/tray_icon.h"

#include <shellapi.h>

#include "platform/win32/system_paths.h"
#include "ui/control_ids.h"
#include "ui/win32/error_box.h"

namespace brisko::ui {

void TrayIcon::Add(HWND owner) {
    owner_ = owner;
    Notify(NIM_ADD);
}

void TrayIcon::Remove() {
    if (!owner_) return;
    Notify(NIM_DELETE);
    owner_ = nullptr;
}

void TrayIcon::PutBack() {
    if (owner_) Notify(NIM_ADD);
}

void TrayIcon::Notify(DWORD message) const {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = owner_;
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    lstrcpynW(data.szTip, kApplicationTitle, 64);
    // The shell's DLL is not imported, so that a start does not wait for it.
    if (const auto notify = win32::SystemFunction<decltype(&Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW"))
        notify(message, &data);
}

}  // namespace brisko::ui
