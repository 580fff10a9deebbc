#pragma once
// Rows of the IP Helper's interface table as the system lays it out: a
// 32-bit entry count, then rows of 860 bytes. Only the first eight rows are
// ever looked at, and only rows that lie wholly inside the table.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace brisko::monitor {

inline constexpr size_t kInterfaceRowSize = 860;
inline constexpr size_t kInterfaceRowsUsed = 8;
inline constexpr uint32_t kEthernetInterface = 6;

struct InterfaceRow {
    std::string_view description;  // ANSI, up to its first NUL; points into the table
    uint32_t type = 0;
    uint32_t inOctets = 0, outOctets = 0;
};

// Rows usable from the table: min(entry count, 8, rows that fit).
size_t InterfaceRowCount(std::span<const uint8_t> table);
InterfaceRow ReadInterfaceRow(std::span<const uint8_t> table, size_t index);

}  // namespace brisko::monitor
