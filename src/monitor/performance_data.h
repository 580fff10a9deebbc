#pragma once
// Reads the processor's idle-time counters out of a performance data block
// as the system hands it over. Every length and offset is checked against the
// block before it is read: a short or malformed block fails with the same
// texts as a block without the Processor object or its counter.
#include <cstddef>
#include <cstdint>
#include <span>

namespace brisko::monitor {

inline constexpr uint32_t kProcessorObjectIndex = 238;
inline constexpr uint32_t kProcessorTimeCounterIndex = 6;
inline constexpr char kNoProcessorObject[] = "Unable to locate the \"Processor\" performance object";
inline constexpr char kNoProcessorCounter[] = "Unable to locate the \"% of CPU usage\" performance counter";

struct ProcessorBlock {
    const char* error = nullptr;  // one of the two texts above, or nullptr
    int32_t instances = 0;        // instances of the Processor object (the last is the total)
    int64_t time = 0;             // the block's system time as a file time (100 ns since 1601)
};

// Walks the block and checks every instance; writes the idle counter of
// instance i into idle[i] for i below both the instance count and idle's size.
ProcessorBlock ParseProcessorBlock(std::span<const uint8_t> block, std::span<int64_t> idle);

// A SYSTEMTIME's fields as a file time; nullopt-like -1 for fields out of range.
int64_t SystemTimeToFileTime(int year, int month, int day, int hour, int minute, int second, int milliseconds);

}  // namespace brisko::monitor
