// One sample of every figure from the real system (Wine, in the test runs).
#include <gtest/gtest.h>

#include "monitor/interface_table.h"
#include "monitor/monitor.h"
#include "monitor/performance_data.h"
#include "monitor/win32/win32_performance_source.h"

namespace brisko::monitor {
namespace {

TEST(Win32PerformanceSource, SamplesEveryFigureOnce) {
    win32::Win32PerformanceSource source;
    const MemoryStatus m = source.ReadMemoryStatus();
    EXPECT_GT(m.totalPhys, 0u);
    EXPECT_LE(m.availPhys, m.totalPhys);
    EXPECT_LE(m.load, 100u);
    EXPECT_GT(m.totalVirtual, 0u);
    const DriveSpace c = source.ReadDriveSpace('C');
    EXPECT_GT(c.total, 0);
    EXPECT_LE(c.free, c.total);
    EXPECT_EQ(source.ReadDriveSpace('Q').total, -1) << "no such drive";

    ASSERT_TRUE(source.OpenInterfaceTable());
    std::vector<uint8_t> table;
    ASSERT_TRUE(source.ReadInterfaceTable(table));
    EXPECT_GE(InterfaceRowCount(table), 1u) << "at least the loopback interface";
    source.CloseInterfaceTable();
    EXPECT_FALSE(source.ReadInterfaceTable(table)) << "closed";

    // What the performance data holds here: a Processor object with its
    // instances, or the text the program shows when there is none.
    ProcessorSampler sampler(source);
    const char* error = sampler.Sample();
    if (error) {
        EXPECT_TRUE(std::string(error) == kNoProcessorObject || std::string(error) == kNoProcessorCounter) << error;
    } else {
        EXPECT_GE(sampler.InstanceCount(), 1);
    }
}

}  // namespace
}  // namespace brisko::monitor
