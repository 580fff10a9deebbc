// The sampling behind performance mode, against an in-memory source (the
// figures and the processor list: rows of tests/data/function_cases.tsv).
#include <gtest/gtest.h>

#include "monitor/memory_performance_source.h"
#include "monitor/monitor.h"
#include "monitor/performance_data.h"

namespace brisko::monitor {
namespace {

const OsEdition kXp{"NT", "XP"};

SystemTimeFields At(int second) { return {2024, 5, 1, 10, 0, second, 0}; }

TEST(ProcessorSampler, LoadNeedsTwoSamplesAtDifferentTimes) {
    MemoryPerformanceSource source;
    ProcessorSampler sampler(source);
    source.performanceData = MakeProcessorBlock({1'000'000, 5'000'000}, At(0));
    sampler.Sample();
    EXPECT_EQ(sampler.Load(0), std::nullopt) << "the first sample after a reset only fills the counters";
    source.performanceData = MakeProcessorBlock({3'500'000, 5'000'000}, At(1));
    sampler.Sample();
    EXPECT_EQ(sampler.Load(0), 75);
    EXPECT_EQ(sampler.Load(1), 100);
    sampler.Sample();  // the same system time again
    EXPECT_EQ(sampler.Load(0), std::nullopt);
}

// The choices (drives, Ethernet adapters only), then the figures.
TEST(MonitorUpdate, FiguresOfEveryGroup) {
    MemoryPerformanceSource source;
    source.performanceData = MakeProcessorBlock({0, 0}, At(0));
    source.memory = {30, 3221225472ull, 1073741824ull, 2ull << 30, 1ull << 30, 2ull << 30, 1536ull << 20};
    source.drives['D'] = {100ll << 20, 40ll << 20};
    source.interfaceTable = MakeInterfaceTable({{"Loopback", 24}, {"NIC", 6, 1000, 2000}, {"Wireless", 71}, {"NIC B"}});
    Monitor monitor(source, kXp);
    const auto c = monitor.FillChoices("CD");
    EXPECT_EQ(c.drives, (std::vector<std::string>{"C ドライブ", "D ドライブ"}));
    EXPECT_EQ(c.adapters, (std::vector<std::string>{"NIC", "NIC B"}));
    EXPECT_EQ(source.ipHelperOpen, 0) << "the library is let go again";
    monitor.SetSampling(true);
    source.performanceData = MakeProcessorBlock({7'500'000, 0}, At(1));
    MonitorUpdate u = monitor.Update({0, 1, 0});
    EXPECT_EQ(u.processorLoad, 25);
    EXPECT_EQ(u.memory.physical.totalMb, 3072);
    EXPECT_EQ(u.memory.virtualMemory.use, 25);
    ASSERT_TRUE(u.drive);
    EXPECT_EQ(u.drive->use, 60);
    EXPECT_TRUE(u.network);
    EXPECT_EQ(u.receivedRate, 0) << "the first refresh has no earlier count";
    source.interfaceTable = MakeInterfaceTable({{"NIC", 6, 129'000, 2000 + 256'000}});
    u = monitor.Update({0, 1, 0});
    EXPECT_EQ(u.processorLoad, std::nullopt) << "same sample time: the display keeps its figure";
    EXPECT_EQ(u.receivedRate, 1000);
    EXPECT_EQ(u.sentRate, 2000);
}

}  // namespace
}  // namespace brisko::monitor
