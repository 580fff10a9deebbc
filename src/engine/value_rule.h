#pragma once
// The common item: one registry value, optimised when it reads one of a few
// texts; optimising and undoing each either write a text or delete the value.
#include <string>
#include <vector>

#include "engine/item_rule.h"
#include "platform/registry_store.h"

namespace brisko {

struct ValueAction {
    bool remove = false;  // delete the value instead of writing
    std::string text;
};
inline ValueAction Write(std::string text) { return {false, std::move(text)}; }
inline ValueAction Delete() { return {true, {}}; }

struct RegistryValue {
    RegRoot root;
    std::string keyPath;  // with its leading backslash
    std::string name;
    std::string kind;     // "DWORD", "String", ...
};

class ValueRule final : public ItemRule {
public:
    // optimisedWhen: the texts the value reads when optimised ("NULL" for absent).
    ValueRule(RegistryValue value, ValueAction optimise, ValueAction undo, std::vector<std::string> optimisedWhen)
        : value_(std::move(value)), optimise_(std::move(optimise)), undo_(std::move(undo)),
          optimisedWhen_(std::move(optimisedWhen)) {}

    bool IsOptimised(ProgramContext& ctx) const override;
    ApplyOutcome Optimise(ProgramContext& ctx) override { return Perform(ctx, optimise_); }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override { return Perform(ctx, undo_); }

private:
    ApplyOutcome Perform(ProgramContext& ctx, const ValueAction& action) const;

    RegistryValue value_;
    ValueAction optimise_, undo_;
    std::vector<std::string> optimisedWhen_;
};

}  // namespace brisko
