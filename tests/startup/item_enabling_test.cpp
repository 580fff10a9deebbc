// Applying the "DisabledItem" section.
#include <gtest/gtest.h>

#include "startup/item_enabling.h"
#include "prefs/preferences.h"
#include "support/memory_context.h"

namespace brisko {
namespace {

class ItemEnabling : public ::testing::Test {
protected:
    testing::MemoryContext mem;
    ProgramContext& ctx = mem.ctx;
    Preferences prefs{mem.files, "C:\\Brisko\\Brisko.ini"};

    void SetUp() override {
        mem.files.AddFolder("C:\\Brisko");
        ctx.paths.preferencesFile = prefs.Path();
        for (TweakCategory c : kSettingCategories) ctx.items.List(c).assign(10, ItemEntry{"label", true, false});
        ctx.items.List(TweakCategory::Service).assign(3, ItemEntry{"service", true, false});
    }
    void Set(const std::string& key, const std::string& value) { prefs.Write("DisabledItem", key, value); }
    bool Enabled(TweakCategory c, int n) { return ctx.items.List(c)[n - 1].enabled; }
};

TEST_F(ItemEnabling, ApplyingFollowsTheExactValues) {
    ctx.items.List(TweakCategory::System)[6].enabled = false;  // made unavailable this run
    Set("System7", "pre_true");
    Set("System8", "pre_true");  // unavailable on an earlier machine, available here
    Set("Power2", "true");
    Set("Power3", "True");
    Set("Utility9", "true");
    Set("PCInfo3", "true");
    ctx.controls.SetEnabled("BtnConvert", false);
    ApplyDisabledItems(ctx);
    EXPECT_FALSE(Enabled(TweakCategory::System, 7)) << "pre_true leaves the entry as it is";
    EXPECT_TRUE(Enabled(TweakCategory::System, 8));
    EXPECT_FALSE(Enabled(TweakCategory::Power, 2));
    EXPECT_TRUE(Enabled(TweakCategory::Power, 3)) << "only the exact text disables";
    EXPECT_FALSE(ctx.controls.IsEnabled("BtnCUIDefrag"));
    EXPECT_TRUE(ctx.controls.IsEnabled("BtnConvert")) << "absent enables";
    EXPECT_TRUE(ctx.controls.IsReadOnly("EdtComputer"));
    EXPECT_FALSE(ctx.controls.IsReadOnly("EdtUser"));
}

TEST_F(ItemEnabling, TheServicesPageNeedsAnExplicitFalse) {
    auto& services = ctx.items.List(TweakCategory::Service);
    for (const std::string value : {"NULL", "false", "true"}) {
        if (value != "NULL") Set("Service", value);
        services[1].enabled = !services[1].enabled;
        ApplyDisabledItems(ctx);
        for (const auto& e : services) EXPECT_EQ(e.enabled, value == "false") << value;
    }
    Set("Service", "pre_true");
    services[1].enabled = true;
    ApplyDisabledItems(ctx);
    EXPECT_TRUE(services[1].enabled) << "pre_true leaves the list";
}

}  // namespace
}  // namespace brisko
