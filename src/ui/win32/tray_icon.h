#pragma once
// The program's icon in the notification area, shown while the main window
// hides there, as Notepad++'s tray icon controller has it: added, removed,
// and put back when the shell restarts.
#include <windows.h>

namespace brisko::ui {

class TrayIcon {
public:
    // Shows the icon for the owner, whose kTrayCallbackMessage it sends.
    void Add(HWND owner);
    // Takes the icon away, if shown.
    void Remove();
    // The shell restarted ("TaskbarCreated"): the icon it showed is gone, and
    // is put back, or the hidden program could not be reached any more.
    void PutBack();
    bool Shown() const { return owner_ != nullptr; }

private:
    void Notify(DWORD message) const;
    HWND owner_ = nullptr;  // while shown
};

}  // namespace brisko::ui
