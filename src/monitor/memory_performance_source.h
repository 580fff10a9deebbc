#pragma once
// A performance source described by plain values, for tests and the
// benchmark: a recorded or made-up performance data block, a memory status,
// drive space per letter and an interface table.
#include <map>

#include "monitor/performance_source.h"

namespace brisko::monitor {

class MemoryPerformanceSource final : public PerformanceSource {
public:
    std::vector<uint8_t> performanceData;   // handed over whole, or MoreData when it does not fit
    bool performanceDataFails = false;
    std::map<std::string, std::string> dynData;  // "path|name" to raw bytes
    std::vector<std::string> dynDataReads;       // every path|name asked for, in order
    MemoryStatus memory;
    std::map<char, DriveSpace> drives;
    bool ipHelperAvailable = true;
    std::vector<uint8_t> interfaceTable;
    int queries = 0;  // performance data queries, MoreData answers included
    int ipHelperOpen = 0;

    QueryResult QueryPerformanceData(const char* objects, std::span<uint8_t> buffer, size_t& received) override;
    std::optional<std::string> ReadDynData(const char* path, const char* name) override;
    MemoryStatus ReadMemoryStatus() override { return memory; }
    DriveSpace ReadDriveSpace(char letter) override;
    bool OpenInterfaceTable() override;
    void CloseInterfaceTable() override { --ipHelperOpen; }
    bool ReadInterfaceTable(std::vector<uint8_t>& table) override;
};

// Builds interface tables: rows of the system's layout with the fields the
// monitor reads.
struct InterfaceTableRow {
    std::string description;
    uint32_t type = 6;
    uint32_t inOctets = 0, outOctets = 0;
};
std::vector<uint8_t> MakeInterfaceTable(const std::vector<InterfaceTableRow>& rows);


// Builds a performance data block of the system's layout: a few objects
// before the Processor object, which has the given idle counters (the last
// one the total) behind a first counter of another index. The time is a
// SYSTEMTIME: year, month, day, hour, minute, second, milliseconds.
struct SystemTimeFields {
    int year = 2024, month = 1, day = 1, hour = 0, minute = 0, second = 0, milliseconds = 0;
};
std::vector<uint8_t> MakeProcessorBlock(const std::vector<int64_t>& idle, const SystemTimeFields& time,
                                        bool withProcessorObject = true, bool withIdleCounter = true);

}  // namespace brisko::monitor
