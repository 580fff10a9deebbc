#include "engine/value_rule.h"

#include <algorithm>
#include <charconv>

#include "engine/program_context.h"
#include "platform/registry_values.h"

namespace brisko {

namespace {
long long NumberOr(const std::string& text, long long otherwise) {
    long long v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    return (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size()) ? otherwise : v;
}
}  // namespace

ReadTest ReadsOneOf(std::vector<std::string> texts) {
    return [texts = std::move(texts)](const std::string& read) {
        return std::find(texts.begin(), texts.end(), read) != texts.end();
    };
}

ReadTest NumberAtMost(long long limit, long long otherwise) {
    return [=](const std::string& read) { return NumberOr(read, otherwise) <= limit; };
}

ReadTest NumberAtLeast(long long limit, long long otherwise) {
    return [=](const std::string& read) { return NumberOr(read, otherwise) >= limit; };
}

std::vector<RegistryValue> ValuesOf(RegRoot root, const std::string& keyPath, std::vector<std::string> names,
                                    const std::string& kind) {
    std::vector<RegistryValue> values;
    for (auto& name : names) values.push_back({root, keyPath, std::move(name), kind});
    return values;
}

bool ValueRule::IsOptimised(ProgramContext& ctx) const {
    return std::all_of(values_.begin(), values_.end(), [&](const RegistryValue& v) {
        return optimised_(RegReadValue(ctx.platform.registry, v.root, v.keyPath, v.name, v.kind));
    });
}

ApplyOutcome ValueRule::Perform(ProgramContext& ctx, const ValueAction& action) const {
    RegistryStore& reg = ctx.platform.registry;
    for (const RegistryValue& v : values_) {
        if (action.remove) RegDeleteValue(reg, v.root, v.keyPath, v.name);
        else RegWriteValue(reg, v.root, v.keyPath, v.name, v.kind, action.text);
    }
    return ApplyOutcome::Applied;
}

}  // namespace brisko
