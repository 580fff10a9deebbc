#pragma once
// The engine's model of the check lists: per category the entries with
// label, enabled flag and tick, the rules behind them, and the state table.
// The main window draws these lists; it does not own them.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/item_rule.h"
#include "engine/item_state_table.h"
#include "platform/tweak_category.h"

namespace brisko {

struct ItemEntry {
    std::string label;
    bool enabled = true;
    bool ticked = false;
};

struct ItemModel {
    std::array<std::vector<ItemEntry>, kCategoryCount> lists;
    // rules[c][position]; a category's rules may be fewer than its entries
    // while they are being filled.
    std::array<std::vector<std::unique_ptr<ItemRule>>, kCategoryCount> rules;
    ItemStateTable states;
    std::string countText;  // the text of the count label

    std::vector<ItemEntry>& List(TweakCategory c) { return lists[CategoryIndex(c)]; }
    const std::vector<ItemEntry>& List(TweakCategory c) const { return lists[CategoryIndex(c)]; }
    ItemRule* Rule(TweakCategory c, size_t position) const;
};

}  // namespace brisko
