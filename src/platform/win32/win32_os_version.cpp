#include "platform/win32/win32_os_version.h"

#include <windows.h>

namespace brisko::win32 {

OsVersion Win32OsVersionSource::Read() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148
    if (!GetVersionExA(&info)) return {};
    return {static_cast<unsigned>(info.dwPlatformId), static_cast<unsigned>(info.dwMajorVersion),
            static_cast<unsigned>(info.dwMinorVersion)};
}

}  // namespace brisko::win32
