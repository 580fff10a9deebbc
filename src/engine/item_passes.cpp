#include "engine/item_passes.h"

#include <cstdio>

#include "engine/services.h"
#include "platform/text_resources.h"

namespace brisko {

namespace {
constexpr const char* kCountFormat = "※ 未チェック %d / 全項目 %d";

bool ServiceCategory(TweakCategory c) { return c == TweakCategory::Service; }
}  // namespace

void LoadItemLists(ProgramContext& ctx) {
    for (TweakCategory c : kSettingCategories) {
        auto& list = ctx.items.List(c);
        list.clear();
        for (auto& label : LoadTextResource(ctx.platform.resources, std::string(CategoryKey(c)) + "Text"))
            if (!label.empty()) list.push_back({std::move(label), true, false});
    }
}

void DetectItemStates(ProgramContext& ctx) {
    ItemModel& m = ctx.items;
    // The services are detected as they are read, on first need.
    for (TweakCategory c : kSettingCategories) {
        auto& list = m.List(c);
        for (size_t pos = 0; pos < list.size(); ++pos) {
            const ItemRule* rule = m.Rule(c, pos);
            if (rule && rule->IsOptimised(ctx)) {
                list[pos].ticked = true;
                m.states.Set(c, pos, true);
            }
        }
    }
}

bool ItemEnabled(const ProgramContext& ctx, TweakCategory c, size_t position) {
    // A service entry is enabled only while the services page is available.
    const bool page = !ServiceCategory(c) || ctx.controls.IsEnabled("LstService");
    return page && ctx.items.List(c)[position].enabled;
}

std::vector<AppliedItem> ApplyItemStates(ProgramContext& ctx) {
    std::vector<AppliedItem> applied;
    ItemModel& m = ctx.items;
    m.states.SetServiceCount(m.List(TweakCategory::Service).size());
    for (TweakCategory c : kAllCategories) {
        for (size_t pos = 0; pos < m.List(c).size(); ++pos) {
            const ItemEntry& entry = m.List(c)[pos];
            if (!ItemEnabled(ctx, c, pos)) continue;
            if (entry.ticked == m.states.Get(c, pos)) continue;
            ItemRule* rule = m.Rule(c, pos);
            if (!rule) continue;
            const bool ticked = entry.ticked;
            ctx.journal.LogItem("[" + std::string(CategoryName(c)) + "] " + entry.label);
            ctx.journal.Start();
            ApplyOutcome outcome;
            try {
                outcome = ticked ? rule->Optimise(ctx) : rule->ApplyDefault(ctx);
            } catch (...) {
                ctx.journal.Take();
                throw;
            }
            if (outcome == ApplyOutcome::Refused) {
                const bool optimised = rule->IsOptimised(ctx);
                m.states.Set(c, pos, optimised);
                m.List(c)[pos].ticked = optimised;
            } else if (outcome != ApplyOutcome::GaveUp) {
                m.states.Flip(c, pos);
            }
            const bool took = WritesTook(ctx.platform.registry, ctx.platform.files, ctx.journal.Take());
            applied.push_back({c, pos, ticked, outcome, took});
        }
    }
    return applied;
}

void ResetItemLists(ProgramContext& ctx) {
    for (TweakCategory c : kSettingCategories)
        for (auto& entry : ctx.items.List(c)) entry.ticked = false;
    ctx.items.ForgetServices();
    ctx.items.states.Clear();
}

const std::string& UpdateItemCount(ProgramContext& ctx) {
    int unticked = 0, total = 0;
    for (TweakCategory c : kSettingCategories) {
        for (auto& entry : ctx.items.List(c)) {
            if (!entry.enabled) entry.ticked = false;
            if (!entry.ticked) ++unticked;
            ++total;
        }
    }
    char buf[128];
    std::snprintf(buf, sizeof buf, kCountFormat, unticked, total);
    ctx.items.countText = buf;
    return ctx.items.countText;
}

}  // namespace brisko
