#pragma once
// What the monitor asks the system for: the performance data block, the 9x
// dynamic statistics, the memory status, a drive's space and the network
// interface table. A Win32 implementation and an in-memory one stand behind it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brisko::monitor {

// The memory status in bytes; load in percent.
struct MemoryStatus {
    uint32_t load = 0;
    uint64_t totalPhys = 0, availPhys = 0;
    uint64_t totalPageFile = 0, availPageFile = 0;
    uint64_t totalVirtual = 0, availVirtual = 0;
};

struct DriveSpace {
    int64_t total = -1;  // -1 when the drive could not be asked
    int64_t free = -1;   // the space this user may fill
};

enum class QueryResult { Ok, MoreData, Failed };

class PerformanceSource {
public:
    virtual ~PerformanceSource() = default;
    // Reads the performance data of the listed object indexes ("238") into
    // buffer. MoreData when it does not fit; then nothing is usable. On Ok,
    // received is the number of bytes written.
    virtual QueryResult QueryPerformanceData(const char* objects, std::span<uint8_t> buffer, size_t& received) = 0;
    // A value of the 9x dynamic data key (path below HKEY_DYN_DATA, as
    // "PerfStats\\StatData"); raw bytes, nullopt when absent.
    virtual std::optional<std::string> ReadDynData(const char* path, const char* name) = 0;
    virtual MemoryStatus ReadMemoryStatus() = 0;
    virtual DriveSpace ReadDriveSpace(char letter) = 0;
    // The IP Helper: opened while sampling runs. OpenInterfaceTable says
    // whether the table can be read at all.
    virtual bool OpenInterfaceTable() = 0;
    virtual void CloseInterfaceTable() = 0;
    // Reads the interface table into table, resized to exactly the size the
    // system reports; the room it had is offered first and kept from call to
    // call. False when the table cannot be had or was not opened.
    virtual bool ReadInterfaceTable(std::vector<uint8_t>& table) = 0;
    // An adapter description of the table (system code page) as UTF-8.
    virtual std::string AdapterText(std::string_view description) { return std::string(description); }
};

}  // namespace brisko::monitor
