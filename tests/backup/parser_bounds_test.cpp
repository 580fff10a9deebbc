// The readers of outside files stay linear: a plan of 1 MiB and a backup of
// 4 MiB, the largest each takes, with as many keys in one section as any
// file may hold, are read within a bound; one key more is refused.
#include <gtest/gtest.h>

#include <chrono>

#include "backup/backup_file.h"
#include "backup/restore_command.h"
#include "backup/tweak_plan.h"
#include "platform/profile/profile_document.h"
#include "platform/text/cp932.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kBound = std::chrono::seconds(2);  // each takes some tenths; quadratic reading took seconds, cubic hours

// `keys` lines "<prefix><n>=<value>" with names long enough to fill `bytes`.
std::string Keys(const std::string& prefix, size_t keys, const std::string& value, size_t bytes) {
    const size_t width = bytes / keys - prefix.size() - value.size() - 12;
    std::string text;
    for (size_t i = 0; i < keys; ++i) text += prefix + std::string(width, 'x') + std::to_string(i) + "=" + value + "\r\n";
    return text;
}

TEST(ParserBounds, ALargestPlanIsReadInTimeAndOneKeyMoreIsRefused) {
    testing::StartedContext sim(testing::SimulatedWindows::Xp);
    const std::string head = "[BriskoPlan]\r\nFormat=1\r\n[Service]\r\n", tail = "[BriskoPlanEnd]\r\nComplete=1\r\n";
    for (const size_t keys : {profile::kMostKeysInASection, profile::kMostKeysInASection + 1}) {
        sim.files.AddFile("C:\\plan.ini", head + Keys("Svc", keys, "1", kLargestPlan - 1024) + tail);
        const auto start = Clock::now();
        const PlanLoad load = LoadPlanFile(sim.ctx, "C:\\plan.ini");
        EXPECT_LT(Clock::now() - start, kBound) << keys << " keys";
        EXPECT_EQ(load.recognised, keys == profile::kMostKeysInASection) << load.problem;
        if (!load.recognised) { EXPECT_NE(load.problem.find("[Service] にはキーが 4097 個"), std::string::npos); }
    }
}

TEST(ParserBounds, ALargestBackupIsRestoredInTimeAndOneKeyMoreIsRefused) {
    testing::StartedContext sim(testing::SimulatedWindows::Xp);
    WriteBackupFile(sim.ctx, "C:\\b.ini");
    // The machine's own service sections make way for the large ones.
    std::string whole = text::Cp932ToUtf8(*sim.files.ReadFile("C:\\b.ini"));
    whole = testing::WithoutSection(testing::WithoutSection(whole, "不要サービス"), "不要サービス-s");
    const size_t end = whole.find("[バックアップ終了]");
    for (const size_t keys : {profile::kMostKeysInASection, profile::kMostKeysInASection + 1}) {
        const size_t each = 4 * 1024 * 1024 / 2 - whole.size();
        const std::string bytes = text::Utf8ToCp932(whole.substr(0, end) + "[不要サービス]\r\n" + Keys("Gone", keys, "停止中", each) +
                                                    "[不要サービス-s]\r\n" + Keys("Gone", keys, "4", each) + whole.substr(end));
        ASSERT_LE(bytes.size(), 4u * 1024 * 1024);
        sim.files.AddFile("C:\\big.ini", bytes);
        sim.prompts.unscripted = false;
        const auto start = Clock::now();
        const bool restored = RunRestoreCommand(sim.ctx, "C:\\big.ini");
        EXPECT_LT(Clock::now() - start, kBound) << keys << " keys";
        EXPECT_EQ(restored, keys == profile::kMostKeysInASection) << sim.prompts.shown.back().text;
    }
    EXPECT_NE(sim.prompts.shown.back().text.find("にはキーが 4097 個あります"), std::string::npos);
}

}  // namespace
}  // namespace brisko
