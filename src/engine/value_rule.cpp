#include "engine/value_rule.h"

#include <algorithm>

#include "engine/program_context.h"
#include "platform/registry_values.h"

namespace brisko {

bool ValueRule::IsOptimised(ProgramContext& ctx) const {
    const std::string read = RegReadValue(ctx.platform.registry, value_.root, value_.keyPath, value_.name, value_.kind);
    return std::find(optimisedWhen_.begin(), optimisedWhen_.end(), read) != optimisedWhen_.end();
}

ApplyOutcome ValueRule::Perform(ProgramContext& ctx, const ValueAction& action) const {
    RegistryStore& reg = ctx.platform.registry;
    if (action.remove) RegDeleteValue(reg, value_.root, value_.keyPath, value_.name);
    else RegWriteValue(reg, value_.root, value_.keyPath, value_.name, value_.kind, action.text);
    return ApplyOutcome::Applied;
}

}  // namespace brisko
