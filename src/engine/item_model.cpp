#include "engine/item_model.h"

namespace brisko {

ItemRule* ItemModel::Rule(TweakCategory c, size_t position) const {
    const auto& r = rules[CategoryIndex(c)];
    return position < r.size() ? r[position].get() : nullptr;
}

}  // namespace brisko
