#include "monitor/interface_table.h"

#include <algorithm>
#include <cstring>

namespace brisko::monitor {

namespace {
constexpr size_t kType = 516, kInOctets = 552, kOutOctets = 576, kDescription = 604, kDescriptionLength = 256;

uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}
}  // namespace

size_t InterfaceRowCount(std::span<const uint8_t> table) {
    if (table.size() < 4) return 0;
    const size_t fitting = (table.size() - 4) / kInterfaceRowSize;
    return std::min({static_cast<size_t>(U32(table.data())), kInterfaceRowsUsed, fitting});
}

InterfaceRow ReadInterfaceRow(std::span<const uint8_t> table, size_t index) {
    const uint8_t* row = table.data() + 4 + index * kInterfaceRowSize;
    const auto* description = reinterpret_cast<const char*>(row + kDescription);
    const void* end = std::memchr(description, 0, kDescriptionLength);
    const size_t length = end ? static_cast<size_t>(static_cast<const char*>(end) - description) : kDescriptionLength;
    return {std::string_view(description, length), U32(row + kType), U32(row + kInOctets), U32(row + kOutOctets)};
}

}  // namespace brisko::monitor
