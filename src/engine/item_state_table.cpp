#include "engine/item_state_table.h"

#include <stdexcept>

namespace brisko {

ItemStateTable::ItemStateTable() : flags_(kServiceBase, 0) {}

size_t ItemStateTable::Index(TweakCategory category, size_t position) {
    if (category != TweakCategory::Service && position >= kItemsPerCategory)
        throw std::out_of_range("item position");
    return CategoryIndex(category) * kItemsPerCategory + position;
}

bool ItemStateTable::Get(TweakCategory category, size_t position) const {
    return flags_.at(Index(category, position)) != 0;
}

void ItemStateTable::Set(TweakCategory category, size_t position, bool optimised) {
    flags_.at(Index(category, position)) = optimised ? 1 : 0;
}

void ItemStateTable::Flip(TweakCategory category, size_t position) {
    auto& f = flags_.at(Index(category, position));
    f = f ? 0 : 1;
}

void ItemStateTable::SetServiceCount(size_t count) { flags_.resize(kServiceBase + count, 0); }

void ItemStateTable::Clear() { flags_.assign(kServiceBase, 0); }

}  // namespace brisko
