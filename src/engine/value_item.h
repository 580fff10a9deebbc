#pragma once
// One table row of a plain registry item: the values of one key, what
// optimising and undoing do to each, and the texts that count as optimised.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/value_rule.h"

namespace brisko {

inline std::unique_ptr<ItemRule> ValueItem(RegRoot root, const std::string& keyPath, std::vector<std::string> names,
                                           std::string_view kindTag, ValueAction optimise, ValueAction undo,
                                           std::vector<std::string> optimisedWhen) {
    return std::make_unique<ValueRule>(ValuesOf(root, keyPath, std::move(names), std::string(kindTag)),
                                       std::move(optimise), std::move(undo), ReadsOneOf(std::move(optimisedWhen)));
}

}  // namespace brisko
