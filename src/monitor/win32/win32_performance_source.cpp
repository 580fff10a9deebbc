#include "monitor/win32/win32_performance_source.h"

#include "platform/win32/system_paths.h"
#include "platform/win32/wide.h"

namespace brisko::win32 {

namespace {
// A short ASCII name as a wide string, without touching the heap.
struct ShortWide {
    wchar_t text[64] = {};
    explicit ShortWide(const char* ascii) {
        for (size_t i = 0; ascii[i] && i + 1 < std::size(text); ++i) text[i] = static_cast<unsigned char>(ascii[i]);
    }
};
}  // namespace

Win32PerformanceSource::Win32PerformanceSource() {
    // Windows 2000 and later have the extended record; the old one wraps
    // above 4 GB.
    if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll"))
        memoryStatusEx_ = reinterpret_cast<GlobalMemoryStatusExFn>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "GlobalMemoryStatusEx")));
}

Win32PerformanceSource::~Win32PerformanceSource() {
    CloseInterfaceTable();
    if (performanceDataOpened_) RegCloseKey(HKEY_PERFORMANCE_DATA);
}

monitor::QueryResult Win32PerformanceSource::QueryPerformanceData(const char* objects, std::span<uint8_t> buffer,
                                                                  size_t& received) {
    if (buffer.empty()) return monitor::QueryResult::MoreData;
    const ShortWide name(objects);
    DWORD type = 0, size = static_cast<DWORD>(buffer.size());
    performanceDataOpened_ = true;
    const LONG r = RegQueryValueExW(HKEY_PERFORMANCE_DATA, name.text, nullptr, &type, buffer.data(), &size);
    if (r == ERROR_MORE_DATA) return monitor::QueryResult::MoreData;
    if (r != ERROR_SUCCESS) return monitor::QueryResult::Failed;
    received = size;
    return monitor::QueryResult::Ok;
}

std::optional<std::string> Win32PerformanceSource::ReadDynData(const char* path, const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_DYN_DATA, Widen(path).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring valueName = Widen(name);
    DWORD type = 0, size = 0;
    std::optional<std::string> result;
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string bytes(size, '\0');
        if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) ==
            ERROR_SUCCESS) {
            bytes.resize(size);
            result = std::move(bytes);
        }
    }
    RegCloseKey(key);
    return result;
}

monitor::MemoryStatus Win32PerformanceSource::ReadMemoryStatus() {
    if (memoryStatusEx_) {
        MEMORYSTATUSEX s{};
        s.dwLength = sizeof s;
        if (memoryStatusEx_(&s))
            return {s.dwMemoryLoad, s.ullTotalPhys, s.ullAvailPhys, s.ullTotalPageFile, s.ullAvailPageFile,
                    s.ullTotalVirtual, s.ullAvailVirtual};
    }
    MEMORYSTATUS s{};
    s.dwLength = sizeof s;
    GlobalMemoryStatus(&s);
    return {s.dwMemoryLoad, s.dwTotalPhys, s.dwAvailPhys, s.dwTotalPageFile, s.dwAvailPageFile, s.dwTotalVirtual,
            s.dwAvailVirtual};
}

monitor::DriveSpace Win32PerformanceSource::ReadDriveSpace(char letter) {
    const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', 0};
    ULARGE_INTEGER freeToUser{}, total{}, totalFree{};
    if (!GetDiskFreeSpaceExW(root, &freeToUser, &total, &totalFree)) return {};
    return {static_cast<int64_t>(total.QuadPart), static_cast<int64_t>(freeToUser.QuadPart)};
}

bool Win32PerformanceSource::OpenInterfaceTable() {
    if (!ipHelper_) ipHelper_.Reset(win32::LoadSystemLibrary(L"iphlpapi.dll"));
    if (ipHelper_ && !getIfTable_)
        getIfTable_ =
            reinterpret_cast<GetIfTableFn>(reinterpret_cast<void*>(GetProcAddress(ipHelper_.Get(), "GetIfTable")));
    return getIfTable_ != nullptr;
}

void Win32PerformanceSource::CloseInterfaceTable() {
    ipHelper_.Reset();
    getIfTable_ = nullptr;
}

bool Win32PerformanceSource::ReadInterfaceTable(std::vector<uint8_t>& table) {
    if (!getIfTable_) return false;
    // Into the room the last table left, which is asked for only when it is
    // too small: one call a refresh once warm.
    ULONG size = static_cast<ULONG>(table.capacity());
    table.resize(size);
    DWORD result = size ? getIfTable_(table.data(), &size, FALSE) : ERROR_INSUFFICIENT_BUFFER;
    if (result == ERROR_INSUFFICIENT_BUFFER) {
        if (table.empty()) getIfTable_(nullptr, &size, FALSE);
        if (size == 0) return false;
        table.resize(size);
        result = getIfTable_(table.data(), &size, FALSE);
    }
    if (result != NO_ERROR) return false;
    table.resize(size);
    return true;
}

std::string Win32PerformanceSource::AdapterText(std::string_view description) {
    const int n = MultiByteToWideChar(CP_ACP, 0, description.data(), static_cast<int>(description.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, description.data(), static_cast<int>(description.size()), wide.data(), n);
    return Narrow(wide);
}

}  // namespace brisko::win32
