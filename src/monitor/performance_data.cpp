#include "monitor/performance_data.h"

#include <cstring>

namespace brisko::monitor {

namespace {
// Field offsets of the published layout.
constexpr size_t kBlockHeaderLength = 24, kBlockObjectCount = 28, kBlockSystemTime = 36, kBlockMinimum = 52;
constexpr size_t kObjectDefinitionLength = 4, kObjectHeaderLength = 8, kObjectNameIndex = 12,
                 kObjectCounterCount = 32, kObjectInstanceCount = 40, kObjectMinimum = 44;
constexpr size_t kCounterNameIndex = 4, kCounterOffset = 36, kCounterMinimum = 40;
constexpr size_t kInstanceMinimum = 4, kCounterBlockMinimum = 4;

// A view of the block whose reads say whether they fit.
class Bytes {
public:
    explicit Bytes(std::span<const uint8_t> b) : b_(b) {}
    bool Fits(size_t at, size_t n) const { return at <= b_.size() && n <= b_.size() - at; }
    bool U32(size_t at, uint32_t& v) const { return Read(at, v); }
    bool U16(size_t at, uint16_t& v) const { return Read(at, v); }
    bool I64(size_t at, int64_t& v) const { return Read(at, v); }

private:
    template <class T>
    bool Read(size_t at, T& v) const {
        if (!Fits(at, sizeof v)) return false;
        unsigned char raw[sizeof v];
        std::memcpy(raw, b_.data() + at, sizeof v);
        uint64_t value = 0;  // little-endian whatever the host
        for (size_t i = sizeof v; i-- > 0;) value = (value << 8) | raw[i];
        v = static_cast<T>(value);
        return true;
    }
    std::span<const uint8_t> b_;
};

// at + by, false when that passes the end of the block or by is below minimum.
bool Advance(const Bytes& bytes, size_t at, uint32_t by, size_t minimum, size_t& next) {
    if (by < minimum || !bytes.Fits(at, by)) return false;
    next = at + by;
    return true;
}

// Walks up to count entries from at, each next one at the current one + its
// length (the field at 0), to the one whose name index is wanted.
bool FindEntry(const Bytes& bytes, size_t at, uint32_t count, size_t nameField, size_t minimum, uint32_t wanted,
               size_t& found) {
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t length = 0, name = 0;
        if (!bytes.Fits(at, minimum) || !bytes.U32(at, length) || !bytes.U32(at + nameField, name)) return false;
        if (name == wanted) {
            found = at;
            return true;
        }
        if (!Advance(bytes, at, length, minimum, at)) return false;
    }
    return false;
}

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;  // days since 1970-01-01
}
}  // namespace

int64_t SystemTimeToFileTime(int year, int month, int day, int hour, int minute, int second, int milliseconds) {
    if (year < 1601 || year > 30827 || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 ||
        second > 59 || milliseconds > 999 || hour < 0 || minute < 0 || second < 0 || milliseconds < 0)
        return -1;
    constexpr int64_t kDaysFrom1601To1970 = 134774;
    const int64_t days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kDaysFrom1601To1970;
    const int64_t ms = ((days * 24 + hour) * 60 + minute) * 60000 + second * 1000 + milliseconds;
    return ms * 10000;
}

ProcessorBlock ParseProcessorBlock(std::span<const uint8_t> block, std::span<int64_t> idle) {
    const Bytes bytes(block);
    ProcessorBlock result;
    auto fail = [&](const char* text) {
        result.error = text;
        result.instances = 0;
        return result;
    };

    uint32_t headerLength = 0, objectCount = 0;
    uint16_t t[8] = {};
    if (!bytes.Fits(0, kBlockMinimum) || !bytes.U32(kBlockHeaderLength, headerLength) ||
        !bytes.U32(kBlockObjectCount, objectCount))
        return fail(kNoProcessorObject);
    for (size_t i = 0; i < 8; ++i) bytes.U16(kBlockSystemTime + 2 * i, t[i]);
    // Fields: year, month, day of week, day, hour, minute, second, milliseconds.
    result.time = SystemTimeToFileTime(t[0], t[1], t[3], t[4], t[5], t[6], t[7]);

    // The object types, one after another, up to the Processor object.
    size_t object = 0;
    if (!Advance(bytes, 0, headerLength, 0, object) ||
        !FindEntry(bytes, object, objectCount, kObjectNameIndex, kObjectMinimum, kProcessorObjectIndex, object))
        return fail(kNoProcessorObject);

    uint32_t definitionLength = 0, objectHeaderLength = 0, counterCount = 0, instanceCount = 0;
    bytes.U32(object + kObjectDefinitionLength, definitionLength);
    bytes.U32(object + kObjectHeaderLength, objectHeaderLength);
    bytes.U32(object + kObjectCounterCount, counterCount);
    bytes.U32(object + kObjectInstanceCount, instanceCount);

    // Its counter definitions, up to the processor time counter.
    size_t counter = 0;
    uint32_t counterOffset = 0;
    if (!Advance(bytes, object, objectHeaderLength, 0, counter) ||
        !FindEntry(bytes, counter, counterCount, kCounterNameIndex, kCounterMinimum, kProcessorTimeCounterIndex, counter))
        return fail(kNoProcessorCounter);
    bytes.U32(counter + kCounterOffset, counterOffset);

    // Its instances, each followed by its counter block. An object without
    // instances (-1) has none to read.
    const int32_t instances = static_cast<int32_t>(instanceCount) < 0 ? 0 : static_cast<int32_t>(instanceCount);
    size_t instance = 0;
    if (instances > 0 && !Advance(bytes, object, definitionLength, 0, instance)) return fail(kNoProcessorCounter);
    for (int32_t i = 0; i < instances; ++i) {
        uint32_t instanceLength = 0, blockLength = 0;
        size_t counterBlock = 0;
        int64_t value = 0;
        if (!bytes.U32(instance, instanceLength) ||
            !Advance(bytes, instance, instanceLength, kInstanceMinimum, counterBlock) ||
            !bytes.U32(counterBlock, blockLength) || blockLength < kCounterBlockMinimum ||
            !bytes.Fits(counterBlock, blockLength) || counterOffset > blockLength ||
            blockLength - counterOffset < sizeof value || !bytes.I64(counterBlock + counterOffset, value))
            return fail(kNoProcessorCounter);
        if (static_cast<size_t>(i) < idle.size()) idle[static_cast<size_t>(i)] = value;
        instance = counterBlock + blockLength;
    }
    result.instances = instances;
    return result;
}

}  // namespace brisko::monitor
