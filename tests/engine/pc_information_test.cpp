// The PC information page's facts and their change, on simulated machines.
#include <gtest/gtest.h>

#include "backup/pc_information_change.h"
#include "platform/registry_values.h"
#include "startup/startup_sequence.h"
#include "support/faulty_context.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::SimulatedWindows;

const RegRoot HKLM = RegRoot::LocalMachine;
const std::string kNt = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const std::string kName = "\\SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";

// What setup leaves behind on XP (tests/data/pc_values.tsv).
void FillPcValues(RegistryStore& r) {
    for (const auto& v : testing::TestDataRows("pc_values.tsv"))
        RegWriteValue(r, HKLM, v.at(0), v.at(1), v.at(2), v.at(3));
}

struct Started : SimulatedContext {
    explicit Started(SimulatedWindows edition, bool answerFile = true) : SimulatedContext(edition) {
        FillPcValues(registry);
        if (answerFile)
            files.AddFile("C:\\WINDOWS\\System32\\$winnt$.inf", "[Data]\r\nUnattended=1\r\n[UserData]\r\n"
                                                                  "ProductKey=\"QQQQQ-WWWWW-EEEEE-RRRRR-TTTTT\"\r\n");
        RunStartupSequence(ctx);
    }
    std::string Reg(const std::string& key, const char* name) { return Hklm(key, name, "String"); }
};

TEST(PcInformation, StartUpReadsTheTenFacts) {
    Started xp(SimulatedWindows::Xp);
    EXPECT_EQ(xp.ctx.pcInformation,
              (PcInformation{"山田 太郎", "", "YAMADA-PC", "Microsoft Windows XP", "5.1.2600 Service Pack 2 ビルド 2600",
                             "55274-640-1234567-23456", "QQQQQ-WWWWW-EEEEE-RRRRR-TTTTT", "C:\\WINDOWS",
                             "Intel(R) Core(TM)2 CPU 6600 @ 2.40GHz",
                             "x86 Family 6 Model 15 Stepping 6 GenuineIntel 2394MHz"}));
    Started xpWithoutAnswers(SimulatedWindows::Xp, false);
    EXPECT_EQ(xpWithoutAnswers.ctx.pcInformation[6], "") << "no answer file: no product key";
}

TEST(PcInformation, AChangeWritesTheThreeValuesOnlyWhenConfirmed) {
    Started sim(SimulatedWindows::Xp);
    sim.prompts.AnswerNext(false);
    EXPECT_FALSE(ChangePcInformation(sim.ctx, {"鈴木", "", "SUZUKI"}));
    EXPECT_EQ(sim.Reg(kName, "ComputerName"), "YAMADA-PC") << "No writes nothing";

    sim.prompts.AnswerNext(true);
    EXPECT_TRUE(ChangePcInformation(sim.ctx, {"鈴木", "", "SUZUKI"}));
    EXPECT_EQ(sim.Reg(kNt, "RegisteredOwner"), "鈴木");
    EXPECT_EQ(RegValueKind(sim.registry, HKLM, kNt, "RegisteredOrganization"), "String") << "empty, but written";
    EXPECT_EQ(sim.Reg(kName, "ComputerName"), "SUZUKI");
    EXPECT_EQ(sim.prompts.shown.back().kind, PromptKind::Inform);

    sim.prompts.AnswerNext(true);  // texts that read like the program's own sentinels are stored as typed
    EXPECT_TRUE(ChangePcInformation(sim.ctx, {"UnfitType", "NULL", "UNFITTYPE"}));
    EXPECT_EQ(sim.Reg(kNt, "RegisteredOwner"), "UnfitType");
    EXPECT_EQ(sim.Reg(kNt, "RegisteredOrganization"), "NULL");
    EXPECT_EQ(RegValueKind(sim.registry, HKLM, kNt, "RegisteredOrganization"), "String") << "stored, not deleted";
    EXPECT_EQ(sim.Reg(kName, "ComputerName"), "UNFITTYPE");
}

TEST(PcInformation, ARefusedWriteStopsTheChangeAndNamesWhatWasWritten) {
    // The history's folder and begun record first; then each value takes two
    // writes, its key and the value.
    for (int refused : {4, 6}) {
        testing::FaultySimulatedContext sim(SimulatedWindows::Xp);
        FillPcValues(sim.registry);
        RunStartupSequence(sim.ctx);
        sim.faults.FailWrite(refused);
        sim.prompts.AnswerNext(true);
        EXPECT_FALSE(ChangePcInformation(sim.ctx, {"鈴木", "商店", "SUZUKI"}));
        ASSERT_FALSE(sim.prompts.shown.empty());
        const auto& last = sim.prompts.shown.back();
        EXPECT_EQ(last.kind, PromptKind::Error);
        EXPECT_EQ(RegReadValue(sim.registry, HKLM, kName, "ComputerName", "String"), "YAMADA-PC");
        EXPECT_EQ(last.text.find("ユーザー名") != std::string::npos, refused == 6) << "names what was written";
    }
}

}  // namespace
}  // namespace brisko
