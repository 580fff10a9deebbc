#pragma once
// The monitor's figures from raw samples, and their texts.
#include <array>
#include <cstdint>

#include "monitor/performance_source.h"

namespace brisko::monitor {

// To the nearest whole number, a tie to the even neighbour.
int64_t RoundHalfEven(double value);

// Bytes in whole megabytes (1 048 576 bytes), rounded as above.
int64_t Megabytes(double bytes);

// (1 − available / total) × 100, rounded as above; 0 for a total of 0.
int UsePercent(double available, double total);

// Processor load in percent from the idle-time growth over the time between
// two samples (both in 100 ns units).
int ProcessorLoad(int64_t idleDifference, int64_t timeDifference);

struct Amount {
    int64_t totalMb = 0, freeMb = 0;
    int use = 0;
};

struct MemoryFigures {
    Amount physical, virtualMemory, pageFile;
};
MemoryFigures ComputeMemoryFigures(const MemoryStatus& status);

// A failed query (−1 bytes each) gives 0 MB and 0 %.
Amount ComputeDriveFigures(const DriveSpace& space);

// Kilobits per interval between two readings of a 32-bit octet counter; the
// difference is taken modulo 2^32, so a counter that wrapped still gives the
// small true difference. A previous reading of 0 means none: the rate is 0.
int64_t OctetRate(uint32_t previous, uint32_t current);

// A short text with room for any figure, kept in place (no allocation).
struct Label {
    std::array<char, 32> text{};
    const char* c_str() const { return text.data(); }
    bool operator==(const Label& other) const;
};

// "#,###" and a unit: digits grouped in threes with the separator (the
// locale's; none where it is '\0'), and no digits at all for 0 (" MB").
Label FormatGrouped(int64_t value, const char* unit, char separator = ',');
// The number in decimal and a unit ("75 %").
Label FormatPlain(int64_t value, const char* unit);

}  // namespace brisko::monitor

namespace brisko::monitor {
// A network rate's text: "#,### Kbbs", or "0 Kbbs" for 0.
Label RateLabel(int64_t rate, char separator = ',');
}  // namespace brisko::monitor
