// The performance data parser with made-up blocks; broken ones are the fuzz
// target's (tests/fuzz/performance_data_fuzz.cpp).
#include <gtest/gtest.h>

#include "monitor/memory_performance_source.h"
#include "monitor/performance_data.h"

namespace brisko::monitor {
namespace {

std::vector<int64_t> Idle(const std::vector<uint8_t>& block, size_t room, ProcessorBlock* parsed = nullptr) {
    std::vector<int64_t> idle(room, -7);
    const ProcessorBlock p = ParseProcessorBlock(block, idle);
    if (parsed) *parsed = p;
    return idle;
}

TEST(PerformanceData, ReadsTheIdleCounterOfEveryInstance) {
    const SystemTimeFields time{2024, 3, 15, 12, 30, 45, 250};
    const auto block = MakeProcessorBlock({100, 200, 300}, time);
    ProcessorBlock parsed;
    EXPECT_EQ(Idle(block, 3, &parsed), (std::vector<int64_t>{100, 200, 300}));
    EXPECT_EQ(parsed.error, nullptr);
    EXPECT_EQ(parsed.instances, 3);
    // 2024-03-15 12:30:45.250 UTC is 1 710 505 845 250 ms after 1970.
    EXPECT_EQ(parsed.time, (1'710'505'845'250ll + 11'644'473'600'000ll) * 10'000);
    EXPECT_EQ(Idle(block, 1), (std::vector<int64_t>{100})) << "never more values than there is room for";
}

}  // namespace
}  // namespace brisko::monitor
