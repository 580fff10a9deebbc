// The monitor's figures against their formulas.
#include <gtest/gtest.h>

#include "monitor/figures.h"

namespace brisko::monitor {
namespace {

TEST(MonitorFigures, MemoryAboveFourGigabytesKeepsItsSize) {
    MemoryStatus s;
    s.load = 41;
    s.totalPhys = 12ull << 30;  // 12 GiB: wraps in a 32-bit record
    s.availPhys = 7ull << 30;
    s.totalVirtual = 128ull << 40;
    s.availVirtual = 96ull << 40;
    s.totalPageFile = 16ull << 30;
    s.availPageFile = 4ull << 30;
    const MemoryFigures f = ComputeMemoryFigures(s);
    EXPECT_EQ(f.physical.totalMb, 12288);
    EXPECT_EQ(f.physical.use, 41) << "the system's own load, unchanged";
    EXPECT_EQ(f.virtualMemory.use, 25);
    EXPECT_EQ(f.pageFile.use, 75);
}

TEST(MonitorFigures, DriveAndAFailedQuery) {
    const Amount a = ComputeDriveFigures({80ll << 30, 20ll << 30});
    EXPECT_EQ(a.totalMb, 81920);
    EXPECT_EQ(a.freeMb, 20480);
    EXPECT_EQ(a.use, 75);
    EXPECT_EQ(ComputeDriveFigures({}).use, 0) << "a failed query";
}

}  // namespace
}  // namespace brisko::monitor
