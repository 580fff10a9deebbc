#pragma once
// The performance source of a real Windows: HKEY_PERFORMANCE_DATA, the 9x
// dynamic data key, the memory status (the extended one where the system has
// it), the free-space query and the IP Helper's interface table, loaded by
// name while sampling runs.
#include <windows.h>

#include "monitor/performance_source.h"
#include "platform/win32/system_paths.h"

namespace brisko::win32 {

class Win32PerformanceSource final : public monitor::PerformanceSource {
public:
    Win32PerformanceSource();
    ~Win32PerformanceSource() override;
    Win32PerformanceSource(const Win32PerformanceSource&) = delete;
    Win32PerformanceSource& operator=(const Win32PerformanceSource&) = delete;

    monitor::QueryResult QueryPerformanceData(const char* objects, std::span<uint8_t> buffer,
                                              size_t& received) override;
    std::optional<std::string> ReadDynData(const char* path, const char* name) override;
    monitor::MemoryStatus ReadMemoryStatus() override;
    monitor::DriveSpace ReadDriveSpace(char letter) override;
    bool OpenInterfaceTable() override;
    void CloseInterfaceTable() override;
    bool ReadInterfaceTable(std::vector<uint8_t>& table) override;
    std::string AdapterText(std::string_view description) override;

private:
    using GetIfTableFn = DWORD(WINAPI*)(void* table, ULONG* size, BOOL sorted);
    using GlobalMemoryStatusExFn = BOOL(WINAPI*)(MEMORYSTATUSEX* status);
    GlobalMemoryStatusExFn memoryStatusEx_ = nullptr;
    LoadedLibrary ipHelper_;
    GetIfTableFn getIfTable_ = nullptr;
    bool performanceDataOpened_ = false;
};

}  // namespace brisko::win32
