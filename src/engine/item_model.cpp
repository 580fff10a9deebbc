#include "engine/item_model.h"

namespace brisko {

ItemRule* ItemModel::Rule(TweakCategory c, size_t position) const {
    if (c == TweakCategory::Service) NeedServices();
    const auto& r = rules[CategoryIndex(c)];
    return position < r.size() ? r[position].get() : nullptr;
}

void ItemModel::NeedServices() const {
    if (servicesRead_ || !serviceLoader_) return;
    servicesRead_ = true;  // the loader fills the list through List
    serviceLoader_();
}

void ItemModel::ForgetServices() {
    lists_[CategoryIndex(TweakCategory::Service)].clear();
    rules[CategoryIndex(TweakCategory::Service)].clear();
    states.SetServiceCount(0);
    servicesRead_ = false;
}

}  // namespace brisko
