#include "platform/win32/win32_system_info.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace brisko::win32 {

OsVersion Win32SystemInfo::Version() {
    // The edition rules expect GetVersionExA's numbers (the record is 148 bytes).
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return {};
    return {static_cast<unsigned>(info.dwPlatformId), static_cast<unsigned>(info.dwMajorVersion),
            static_cast<unsigned>(info.dwMinorVersion)};
}

WindowsBuild Win32SystemInfo::ActualVersion() {
    // RtlGetVersion is looked up at run time; ntdll is loaded in every process.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto get = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (get && get(&info) == 0)
        return {static_cast<unsigned>(info.dwMajorVersion), static_cast<unsigned>(info.dwMinorVersion),
                static_cast<unsigned>(info.dwBuildNumber)};
    const OsVersion reported = Version();
    return {reported.major, reported.minor, 0};
}

std::string Win32SystemInfo::ComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = L"";
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &size) ? Narrow(std::wstring(name, size)) : std::string();
}

std::string Win32SystemInfo::WindowsDirectory() {
    wchar_t buf[MAX_PATH + 1];
    const UINT n = GetWindowsDirectoryW(buf, MAX_PATH + 1);
    std::wstring dir(buf, n <= MAX_PATH ? n : 0);
    while (dir.size() > 3 && dir.back() == L'\\') dir.pop_back();
    return Narrow(dir);
}

uint32_t Win32SystemInfo::LogicalDriveMask() { return GetLogicalDrives(); }

DriveType Win32SystemInfo::TypeOfDrive(const std::string& root) {
    return static_cast<DriveType>(GetDriveTypeW(Widen(root).c_str()));
}

std::string Win32SystemInfo::CurrentDirectory() {
    wchar_t buf[MAX_PATH + 1];
    const DWORD n = GetCurrentDirectoryW(MAX_PATH + 1, buf);
    std::wstring dir(buf, n <= MAX_PATH ? n : 0);
    while (dir.size() > 3 && dir.back() == L'\\') dir.pop_back();
    return Narrow(dir);
}

std::string Win32SystemInfo::ExecutablePath() {
    wchar_t buf[32768];
    const DWORD n = GetModuleFileNameW(nullptr, buf, 32768);
    return Narrow(std::wstring(buf, n));
}

std::string Win32SystemInfo::FileSystemName(const std::string& root) {
    wchar_t name[MAX_PATH + 1] = L"";
    const BOOL read = GetVolumeInformationW(Widen(root).c_str(), nullptr, 0, nullptr, nullptr, nullptr, name,
                                            MAX_PATH + 1);
    return read ? Narrow(name) : std::string();
}

uint64_t Win32SystemInfo::FreeBytesAvailable(const std::string& root) {
    ULARGE_INTEGER available{};
    const BOOL read = GetDiskFreeSpaceExW(Widen(root).c_str(), &available, nullptr, nullptr);
    return read ? available.QuadPart : 0;
}

}  // namespace brisko::win32
