#include "ui/win32/error_box.h"

#include "platform/win32/wide.h"

namespace brisko::ui {

void ShowErrorBox(HWND owner, const std::string& text) {
    MessageBoxW(owner, win32::Widen(text).c_str(), kApplicationTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace brisko::ui
