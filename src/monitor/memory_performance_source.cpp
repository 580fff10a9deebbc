#include "monitor/memory_performance_source.h"

#include <algorithm>
#include <cstring>

#include "monitor/interface_table.h"

namespace brisko::monitor {

namespace {
void Put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void Put64(uint8_t* p, int64_t v) {
    for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(static_cast<uint64_t>(v) >> (8 * i));
}
}  // namespace

QueryResult MemoryPerformanceSource::QueryPerformanceData(const char*, std::span<uint8_t> buffer, size_t& received) {
    ++queries;
    if (performanceDataFails) return QueryResult::Failed;
    if (buffer.size() < performanceData.size()) return QueryResult::MoreData;
    std::copy(performanceData.begin(), performanceData.end(), buffer.begin());
    received = performanceData.size();
    return QueryResult::Ok;
}

std::optional<std::string> MemoryPerformanceSource::ReadDynData(const char* path, const char* name) {
    const std::string key = std::string(path) + "|" + name;
    dynDataReads.push_back(key);
    auto it = dynData.find(key);
    if (it == dynData.end()) return std::nullopt;
    return it->second;
}

DriveSpace MemoryPerformanceSource::ReadDriveSpace(char letter) {
    auto it = drives.find(letter);
    return it == drives.end() ? DriveSpace{} : it->second;
}

bool MemoryPerformanceSource::OpenInterfaceTable() {
    if (!ipHelperAvailable) return false;
    ++ipHelperOpen;
    return true;
}

bool MemoryPerformanceSource::ReadInterfaceTable(std::vector<uint8_t>& table) {
    if (!ipHelperAvailable || ipHelperOpen <= 0) return false;
    table.assign(interfaceTable.begin(), interfaceTable.end());
    return true;
}

std::vector<uint8_t> MakeInterfaceTable(const std::vector<InterfaceTableRow>& rows) {
    std::vector<uint8_t> table(4 + rows.size() * kInterfaceRowSize, 0);
    Put32(table.data(), static_cast<uint32_t>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        uint8_t* row = table.data() + 4 + i * kInterfaceRowSize;
        Put32(row + 516, rows[i].type);
        Put32(row + 552, rows[i].inOctets);
        Put32(row + 576, rows[i].outOctets);
        Put32(row + 600, static_cast<uint32_t>(rows[i].description.size()));
        std::memcpy(row + 604, rows[i].description.data(), std::min<size_t>(rows[i].description.size(), 255));
    }
    return table;
}


std::vector<uint8_t> MakeProcessorBlock(const std::vector<int64_t>& idle, const SystemTimeFields& time,
                                        bool withProcessorObject, bool withIdleCounter) {
    // Sizes of the 32-bit layout: data block header 88 (its name follows),
    // object 64, counter definition 40, instance 24 plus a name of 8 bytes,
    // counter block 8 plus two 8-byte counters.
    constexpr size_t kHeader = 96, kObject = 64, kCounter = 40, kInstance = 32, kBlock = 24;
    std::vector<uint8_t> b(kHeader);
    std::memcpy(b.data(), "P\0E\0R\0F\0", 8);
    Put32(&b[8], 1);
    Put32(&b[24], kHeader);
    Put32(&b[28], 2);  // an unrelated object, then the Processor object
    const int fields[8] = {time.year, time.month, 0, time.day, time.hour, time.minute, time.second, time.milliseconds};
    for (int i = 0; i < 8; ++i) Put16(&b[36 + 2 * i], static_cast<uint16_t>(fields[i]));

    auto object = [&](uint32_t index, size_t instances) {
        const size_t at = b.size();
        const size_t definition = kObject + 2 * kCounter;
        b.resize(at + definition + instances * (kInstance + kBlock));
        Put32(&b[at + 4], static_cast<uint32_t>(definition));
        Put32(&b[at + 8], kObject);
        Put32(&b[at + 12], index);
        Put32(&b[at + 32], 2);
        Put32(&b[at + 40], static_cast<uint32_t>(instances));
        for (size_t c = 0; c < 2; ++c) {
            uint8_t* counter = &b[at + kObject + c * kCounter];
            Put32(counter, kCounter);
            Put32(counter + 4, c == 1 && withIdleCounter ? 6 : 142);
            Put32(counter + 36, c == 0 ? 8 : 16);  // the second counter's value follows the first
        }
        for (size_t i = 0; i < instances; ++i) {
            uint8_t* instance = &b[at + definition + i * (kInstance + kBlock)];
            Put32(instance, kInstance);
            Put32(instance + kInstance, kBlock);
            Put64(instance + kInstance + 8, 12345);
            Put64(instance + kInstance + 16, idle[i]);
        }
        Put32(&b[at], static_cast<uint32_t>(b.size() - at));
    };
    object(2, 0);  // the System object, without instances
    object(withProcessorObject ? 238 : 230, idle.size());
    Put32(&b[20], static_cast<uint32_t>(b.size()));
    return b;
}

}  // namespace brisko::monitor
