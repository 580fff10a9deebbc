// The performance data parser with made-up, recorded and broken blocks.
#include <gtest/gtest.h>

#include <cstring>

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

// Every cut short and every single corrupted field fails cleanly or parses;
// nothing reads outside the block (the sanitizers and the fuzz target watch
// the same code).
TEST(PerformanceData, ShortAndCorruptedBlocksFailWithTheTexts) {
    const auto whole = MakeProcessorBlock({10, 20, 30}, SystemTimeFields{});
    for (size_t n = 0; n < whole.size(); ++n) {
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<long>(n));
        ProcessorBlock parsed;
        Idle(cut, 3, &parsed);
        ASSERT_NE(parsed.error, nullptr) << "cut at " << n;
        EXPECT_EQ(parsed.instances, 0);
    }
    const uint32_t wild[] = {0, 3, 0x7FFFFFFF, 0xFFFFFFFF, 0xFFFFFFF0};
    for (size_t at = 0; at + 4 <= whole.size(); at += 4) {
        for (uint32_t value : wild) {
            auto broken = whole;
            std::memcpy(&broken[at], &value, 4);
            ProcessorBlock parsed;
            Idle(broken, 3, &parsed);
            if (parsed.error)
                EXPECT_TRUE(parsed.error == kNoProcessorObject || parsed.error == kNoProcessorCounter);
            else
                EXPECT_LE(parsed.instances, static_cast<int32_t>(whole.size() / 8)) << "at " << at;
        }
    }
}

}  // namespace
}  // namespace brisko::monitor
