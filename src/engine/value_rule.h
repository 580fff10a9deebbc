#pragma once
// The common item: one or more registry values, optimised when each reads as
// the item wants; optimising and undoing each write a text to every value, or
// delete every value, in order.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/item_rule.h"
#include "platform/registry_store.h"

namespace brisko {

struct ValueAction {
    bool remove = false;  // delete the values instead of writing
    std::string text;
};
inline ValueAction Write(std::string text) { return {false, std::move(text)}; }
inline ValueAction Delete() { return {true, {}}; }

// What a value must read for the item to count as optimised.
using ReadTest = std::function<bool(const std::string& read)>;
// One of these texts ("NULL" stands for absent).
ReadTest ReadsOneOf(std::vector<std::string> texts);
// A decimal number at most / at least the limit; anything that is no number
// counts as `otherwise`.
ReadTest NumberAtMost(long long limit, long long otherwise);
ReadTest NumberAtLeast(long long limit, long long otherwise);

class ValueRule final : public ItemRule {
public:
    ValueRule(std::vector<RegistryValue> values, ValueAction optimise, ValueAction undo, ReadTest optimised)
        : values_(std::move(values)), optimise_(std::move(optimise)), undo_(std::move(undo)),
          optimised_(std::move(optimised)) {}

    bool IsOptimised(ProgramContext& ctx) const override;
    ApplyOutcome Optimise(ProgramContext& ctx) override { return Perform(ctx, optimise_); }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override { return Perform(ctx, undo_); }
    std::vector<RegistryValue> OptimisedValues(const ProgramContext&) const override { return values_; }

private:
    ApplyOutcome Perform(ProgramContext& ctx, const ValueAction& action) const;

    std::vector<RegistryValue> values_;
    ValueAction optimise_, undo_;
    ReadTest optimised_;
};

// Values of one key: {root, key, {names...}, kind}.
std::vector<RegistryValue> ValuesOf(RegRoot root, const std::string& keyPath, std::vector<std::string> names,
                                    const std::string& kind);

// One rule on some editions, another elsewhere.
class EditionRule final : public ItemRule {
public:
    using Choice = std::function<bool(const ProgramContext&)>;
    EditionRule(Choice useFirst, std::unique_ptr<ItemRule> first, std::unique_ptr<ItemRule> second)
        : useFirst_(std::move(useFirst)), first_(std::move(first)), second_(std::move(second)) {}
    bool IsOptimised(ProgramContext& ctx) const override { return Pick(ctx).IsOptimised(ctx); }
    ApplyOutcome Optimise(ProgramContext& ctx) override { return Pick(ctx).Optimise(ctx); }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override { return Pick(ctx).ApplyDefault(ctx); }
    RestartNeed AfterChange(const ProgramContext& ctx) const override { return Pick(ctx).AfterChange(ctx); }
    std::vector<RegistryValue> OptimisedValues(const ProgramContext& ctx) const override {
        return Pick(ctx).OptimisedValues(ctx);
    }

private:
    ItemRule& Pick(const ProgramContext& ctx) const { return useFirst_(ctx) ? *first_ : *second_; }
    Choice useFirst_;
    std::unique_ptr<ItemRule> first_, second_;
};

}  // namespace brisko
