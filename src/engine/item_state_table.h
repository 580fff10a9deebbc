#pragma once
// What the program knows of the machine: one flag per item, 1 when the item
// is known to be optimised. Entries 0-49 are the five setting categories
// (category base + position); services follow from 50, one per listed
// service, as many as are listed.
#include <cstdint>
#include <vector>

#include "platform/tweak_category.h"

namespace brisko {

class ItemStateTable {
public:
    ItemStateTable();

    bool Get(TweakCategory category, size_t position) const;
    void Set(TweakCategory category, size_t position, bool optimised);
    void Flip(TweakCategory category, size_t position);
    // Makes room for the listed services; new entries are 0.
    void SetServiceCount(size_t count);
    size_t ServiceCount() const { return flags_.size() - kServiceBase; }
    // All entries 0 and no services.
    void Clear();

    static size_t Index(TweakCategory category, size_t position);
    static constexpr size_t kServiceBase = 50;

    bool operator==(const ItemStateTable&) const = default;

private:
    std::vector<uint8_t> flags_;
};

}  // namespace brisko
