#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace brisko::win32 {

LocalTime Win32Clock::Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace brisko::win32
