#pragma once
#include "platform/processes.h"

namespace brisko::win32 {

class Win32ProcessLauncher final : public ProcessLauncher {
public:
    void ShellOpen(const std::string& verb, const std::string& file, const std::string& parameters,
                   ShowMode show) override;
    // The window that owns what the shell shows; none until the main window exists.
    void SetOwnerWindow(void* hwnd) { owner_ = hwnd; }

private:
    void* owner_ = nullptr;
};

}  // namespace brisko::win32
