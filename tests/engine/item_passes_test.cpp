// The detection and apply passes over test rules.
#include <gtest/gtest.h>

#include "engine/item_passes.h"
#include "platform/error.h"
#include "support/memory_context.h"

namespace brisko {
namespace {

// A rule over one flag of a shared machine, recording what it was asked to do.
struct FakeMachine {
    std::array<bool, 60> optimised{};
    std::vector<std::string> actions;
    int refuseAt = -1;  // the action index that throws, as a refused write does
};

class FakeRule final : public ItemRule {
public:
    FakeRule(FakeMachine& m, int id, bool givesUp = false) : m_(m), id_(id), givesUp_(givesUp) {}
    bool IsOptimised(ProgramContext&) const override { return m_.optimised[id_]; }
    ApplyOutcome Optimise(ProgramContext&) override { return Act(true); }
    ApplyOutcome ApplyDefault(ProgramContext&) override { return Act(false); }

private:
    ApplyOutcome Act(bool optimise) {
        if (id_ == m_.refuseAt) throw BriskoError("'Value' の設定に失敗しました");
        m_.actions.push_back((optimise ? "+" : "-") + std::to_string(id_));
        if (givesUp_) return ApplyOutcome::GaveUp;
        m_.optimised[id_] = optimise;
        return ApplyOutcome::Applied;
    }
    FakeMachine& m_;
    int id_;
    bool givesUp_;
};

class ItemPasses : public ::testing::Test {
protected:
    testing::MemoryContext mem;
    ProgramContext& ctx = mem.ctx;
    FakeMachine machine;

    void SetUp() override {
        LoadItemLists(ctx);
        for (TweakCategory c : kSettingCategories)
            for (size_t pos = 0; pos < kItemsPerCategory; ++pos)
                ctx.items.rules[CategoryIndex(c)].push_back(
                    std::make_unique<FakeRule>(machine, static_cast<int>(ItemStateTable::Index(c, pos))));
    }
    ItemEntry& Entry(TweakCategory c, size_t pos) { return ctx.items.List(c)[pos]; }
};

TEST_F(ItemPasses, ApplyActsOnlyWhereTickAndRecordDiffer) {
    machine.optimised[12] = true;
    DetectItemStates(ctx);
    ApplyItemStates(ctx);
    EXPECT_TRUE(machine.actions.empty()) << "unchanged ticks act on nothing";

    Entry(TweakCategory::System, 0).ticked = true;    // optimise
    Entry(TweakCategory::Desktop, 2).ticked = false;  // back to default
    Entry(TweakCategory::Power, 1).ticked = true;     // ticked and unticked again: nothing
    Entry(TweakCategory::Power, 1).ticked = false;
    const ItemStateTable before = ctx.items.states;
    ApplyItemStates(ctx);
    EXPECT_EQ(machine.actions, (std::vector<std::string>{"+0", "-12"}));
    EXPECT_NE(ctx.items.states, before);
    machine.actions.clear();
    ApplyItemStates(ctx);
    EXPECT_TRUE(machine.actions.empty()) << "after a pass every tick equals its record";
}

TEST_F(ItemPasses, DisabledItemsAreNeverWrittenAndCountAsUnticked) {
    machine.optimised[21] = true;
    Entry(TweakCategory::Explorer, 1).enabled = false;
    DetectItemStates(ctx);
    EXPECT_TRUE(Entry(TweakCategory::Explorer, 1).ticked);
    EXPECT_EQ(UpdateItemCount(ctx), "※ 未チェック 50 / 全項目 50");
    EXPECT_FALSE(Entry(TweakCategory::Explorer, 1).ticked);
    ApplyItemStates(ctx);
    EXPECT_TRUE(machine.actions.empty()) << "the disabled item stays as the machine has it";
    EXPECT_TRUE(machine.optimised[21]);
    Entry(TweakCategory::System, 0).ticked = Entry(TweakCategory::Others, 9).ticked = true;
    EXPECT_EQ(UpdateItemCount(ctx), "※ 未チェック 48 / 全項目 50");
}

TEST_F(ItemPasses, AnItemThatGivesUpKeepsItsEntry) {
    ctx.items.rules[CategoryIndex(TweakCategory::System)][8] = std::make_unique<FakeRule>(machine, 8, true);
    Entry(TweakCategory::System, 8).ticked = true;
    Entry(TweakCategory::System, 9).ticked = true;
    ApplyItemStates(ctx);
    EXPECT_EQ(machine.actions, (std::vector<std::string>{"+8", "+9"}));
    EXPECT_FALSE(ctx.items.states.Get(TweakCategory::System, 8));
    EXPECT_TRUE(ctx.items.states.Get(TweakCategory::System, 9));
    machine.actions.clear();
    ApplyItemStates(ctx);
    EXPECT_EQ(machine.actions, std::vector<std::string>{"+8"}) << "it is tried again next time";
}

TEST_F(ItemPasses, ARefusedWriteEndsThePassAtThatItem) {
    for (size_t pos : {1, 4, 7}) Entry(TweakCategory::Desktop, pos).ticked = true;
    Entry(TweakCategory::Others, 0).ticked = true;
    machine.refuseAt = 14;
    EXPECT_THROW(ApplyItemStates(ctx), BriskoError);
    EXPECT_EQ(machine.actions, std::vector<std::string>{"+11"});
    EXPECT_TRUE(ctx.items.states.Get(TweakCategory::Desktop, 1)) << "earlier items are written and recorded";
    EXPECT_FALSE(ctx.items.states.Get(TweakCategory::Desktop, 4));
    EXPECT_FALSE(ctx.items.states.Get(TweakCategory::Desktop, 7)) << "later items are not handled";
    EXPECT_FALSE(machine.optimised[40]);
}

}  // namespace
}  // namespace brisko
