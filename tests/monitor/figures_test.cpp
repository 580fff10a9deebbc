// The monitor's figures against their formulas.
#include <gtest/gtest.h>

#include "monitor/figures.h"

namespace brisko::monitor {
namespace {

TEST(MonitorFigures, RoundsTiesToTheEvenNeighbour) {
    const std::pair<double, int64_t> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {2.4999, 2}, {2.5001, 3},
                                                {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {74.5, 74}, {75.5, 76}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
    // 1.5 MB and 2.5 MB both give 2; 3 GiB gives 3 072.
    EXPECT_EQ(Megabytes(1572864), 2);
    EXPECT_EQ(Megabytes(2621440), 2);
    EXPECT_EQ(Megabytes(3221225472.0), 3072);
}

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

TEST(MonitorFigures, OctetRateTakesTheDifferenceModulo2To32) {
    struct Case {
        uint32_t previous, current;
        int64_t rate;
    };
    const Case cases[] = {
        {1000, 129'000, 1000},                 // 128 000 octets in one interval
        {0, 500'000, 0},                       // no previous count yet
        {0x7FFF0000u, 0x8000F400u, 1000},      // passes 2^31
        {0xFFFF'0000u, 128'000 - 0x10000, 1000},  // wraps past 2^32
        {5000, 5000, 0},
        {1000, 1064, 0}, {1000, 1192, 2}, {1000, 1320, 2},  // 0.5, 1.5 and 2.5 kilobits
    };
    for (const Case& c : cases) EXPECT_EQ(OctetRate(c.previous, c.current), c.rate) << c.previous << " " << c.current;
}

TEST(MonitorFigures, TextsGroupDigitsInThrees) {
    const std::pair<int64_t, const char*> cases[] = {
        {0, " MB"}, {7, "7 MB"}, {999, "999 MB"}, {1000, "1,000 MB"}, {3072, "3,072 MB"}, {1234567, "1,234,567 MB"},
        {-1500, "-1,500 MB"}};
    for (const auto& [value, text] : cases) EXPECT_STREQ(FormatGrouped(value, " MB").c_str(), text);
    EXPECT_STREQ(FormatPlain(75, " %").c_str(), "75 %");
    EXPECT_STREQ(RateLabel(12345).c_str(), "12,345 Kbbs");
    EXPECT_STREQ(RateLabel(1234567, '.').c_str(), "1.234.567 Kbbs") << "the locale's separator";
    EXPECT_STREQ(FormatGrouped(1234567, " MB", '\0').c_str(), "1234567 MB") << "a locale without one";
    EXPECT_STREQ(FormatGrouped(INT64_MIN, " Kbbs").c_str(), "-9,223,372,036,854,775,808 Kbbs") << "fits the label";
}

}  // namespace
}  // namespace brisko::monitor
