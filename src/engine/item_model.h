#pragma once
// The engine's model of the check lists: per category the entries with
// label, enabled flag and tick, the rules behind them, and the state table.
// The main window draws these lists; it does not own them.
#include <array>
#include <functional>
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

// The services' entries, rules and records are read from the machine on
// first need (listing and asking after every service costs more than the rest
// of the start-up together): through List, Rule or Lists, or NeedServices
// before a copy of the state table is taken. The program context installs
// the loader; a model without one has no services until they are filled in.
struct ItemModel {
    using Lists = std::array<std::vector<ItemEntry>, kCategoryCount>;
    // rules[c][position]; a category's rules may be fewer than its entries
    // while they are being filled.
    std::array<std::vector<std::unique_ptr<ItemRule>>, kCategoryCount> rules;
    ItemStateTable states;
    std::string countText;  // the text of the count label
    // Whether the user allows the services page: its entries' enabled flag,
    // kept for services not read yet.
    bool servicePageEnabled = true;

    std::vector<ItemEntry>& List(TweakCategory c) {
        if (c == TweakCategory::Service) NeedServices();
        return lists_[CategoryIndex(c)];
    }
    const std::vector<ItemEntry>& List(TweakCategory c) const {
        if (c == TweakCategory::Service) NeedServices();
        return lists_[CategoryIndex(c)];
    }
    // Every list, the services read.
    Lists& AllLists() {
        NeedServices();
        return lists_;
    }
    // The service list as it stands, without reading the services: for
    // windows bound to it before it is needed.
    std::vector<ItemEntry>& ServiceListAsItStands() { return lists_[CategoryIndex(TweakCategory::Service)]; }
    ItemRule* Rule(TweakCategory c, size_t position) const;

    void UseServiceLoader(std::function<void()> loader) { serviceLoader_ = std::move(loader); }
    // Reads the services unless they are read.
    void NeedServices() const;
    bool ServicesRead() const { return servicesRead_; }
    // The services go: entries, rules and records; the next need reads them again.
    void ForgetServices();

private:
    Lists lists_;
    std::function<void()> serviceLoader_;
    mutable bool servicesRead_ = false;
};

}  // namespace brisko
