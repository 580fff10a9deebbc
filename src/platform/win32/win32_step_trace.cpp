#include "platform/win32/win32_step_trace.h"

#include <cstdio>

namespace brisko::win32 {

namespace {
ULONGLONG Ticks(const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; }
}  // namespace

Win32StepTrace::Win32StepTrace() {
#ifdef BRISKO_TEST_HOOKS
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"BRISKO_STARTUP_TRACE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    file_ = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    QueryPerformanceFrequency(&frequency_);
#endif
}

Win32StepTrace::~Win32StepTrace() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

void Win32StepTrace::Step(const char* name) {
    if (file_ == INVALID_HANDLE_VALUE) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    if (firstMs_ < 0) {
        FILETIME created, exited, kernel, user, system;
        GetSystemTimeAsFileTime(&system);
        firstMs_ = GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)
                       ? static_cast<double>(Ticks(system) - Ticks(created)) / 10000.0
                       : 0.0;
        first_ = now;
    }
    const double ms = firstMs_ + static_cast<double>(now.QuadPart - first_.QuadPart) * 1000.0 /
                                     static_cast<double>(frequency_.QuadPart ? frequency_.QuadPart : 1);
    char line[160];
    const int n = std::snprintf(line, sizeof line, "%s\t%.1f\r\n", name, ms);
    DWORD written = 0;
    if (n > 0) WriteFile(file_, line, static_cast<DWORD>(n < static_cast<int>(sizeof line) ? n : sizeof line - 1), &written, nullptr);
}

}  // namespace brisko::win32
