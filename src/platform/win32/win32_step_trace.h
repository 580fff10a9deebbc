#pragma once
// In the test build only (BRISKO_TEST_HOOKS), appends "step<TAB>milliseconds
// since the process started" lines to the file the environment variable
// BRISKO_STARTUP_TRACE names; does nothing when it is unset, and always in
// the program users get. The first step fixes the offset from the process's creation
// (system time); later ones add the performance counter's time since then.
#include <windows.h>

#include "platform/step_trace.h"

namespace brisko::win32 {

class Win32StepTrace final : public StepTrace {
public:
    Win32StepTrace();
    ~Win32StepTrace() override;
    Win32StepTrace(const Win32StepTrace&) = delete;
    Win32StepTrace& operator=(const Win32StepTrace&) = delete;
    void Step(const char* name) override;

private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
    LARGE_INTEGER frequency_{}, first_{};
    double firstMs_ = -1;
};

}  // namespace brisko::win32
