#include "monitor/figures.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace brisko::monitor {

int64_t RoundHalfEven(double value) {
    if (!std::isfinite(value)) return 0;
    // The figures are small; keep far-off values inside the type.
    if (value >= 9.2e18) return INT64_MAX;
    if (value <= -9.2e18) return INT64_MIN;
    const double floor = std::floor(value);
    const double fraction = value - floor;
    int64_t result = static_cast<int64_t>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
    return result;
}

int64_t Megabytes(double bytes) { return RoundHalfEven(bytes / 1048576.0); }

int UsePercent(double available, double total) {
    if (total == 0) return 0;
    return static_cast<int>(RoundHalfEven((1.0 - available / total) * 100.0));
}

int ProcessorLoad(int64_t idleDifference, int64_t timeDifference) {
    if (timeDifference == 0) return 0;
    return static_cast<int>(
        RoundHalfEven((1.0 - static_cast<double>(idleDifference) / static_cast<double>(timeDifference)) * 100.0));
}

MemoryFigures ComputeMemoryFigures(const MemoryStatus& s) {
    auto amount = [](uint64_t total, uint64_t available) {
        return Amount{Megabytes(static_cast<double>(total)), Megabytes(static_cast<double>(available)),
                      UsePercent(static_cast<double>(available), static_cast<double>(total))};
    };
    MemoryFigures f;
    f.physical = amount(s.totalPhys, s.availPhys);
    f.physical.use = static_cast<int>(s.load);  // the system's own figure
    f.virtualMemory = amount(s.totalVirtual, s.availVirtual);
    f.pageFile = amount(s.totalPageFile, s.availPageFile);
    return f;
}

Amount ComputeDriveFigures(const DriveSpace& space) {
    const double total = static_cast<double>(space.total), free = static_cast<double>(space.free);
    return {Megabytes(total), Megabytes(free), UsePercent(free, total)};
}

int64_t OctetRate(uint32_t previous, uint32_t current) {
    if (previous == 0) return 0;
    const auto difference = static_cast<int32_t>(current - previous);
    return RoundHalfEven(static_cast<double>(difference) * 8.0 / 1024.0);
}

bool Label::operator==(const Label& other) const { return std::strcmp(c_str(), other.c_str()) == 0; }

Label FormatGrouped(int64_t value, const char* unit, char separator) {
    char digits[32];
    int n = 0;
    const bool negative = value < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    for (int group = 0; magnitude != 0; ++group) {
        if (group > 0 && group % 3 == 0 && separator) digits[n++] = separator;
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    if (negative) digits[n++] = '-';
    Label label;
    size_t at = 0;
    while (n > 0) label.text[at++] = digits[--n];
    std::snprintf(label.text.data() + at, label.text.size() - at, "%s", unit);
    return label;
}

Label FormatPlain(int64_t value, const char* unit) {
    Label label;
    std::snprintf(label.text.data(), label.text.size(), "%lld%s", static_cast<long long>(value), unit);
    return label;
}

}  // namespace brisko::monitor

namespace brisko::monitor {
Label RateLabel(int64_t rate, char separator) {
    return rate == 0 ? FormatPlain(0, " Kbbs") : FormatGrouped(rate, " Kbbs", separator);
}
}  // namespace brisko::monitor
