#include "platform/win32/win32_process_launcher.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace brisko::win32 {

void Win32ProcessLauncher::ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
                                     ShowMode show) {
    ShellExecuteW(static_cast<HWND>(owner_), Widen(verb).c_str(), Widen(file).c_str(), Widen(parameters).c_str(),
                  nullptr, show == ShowMode::Hidden ? SW_HIDE : SW_SHOWNORMAL);
}

}  // namespace brisko::win32
