// The PC information page's facts and their change, on simulated machines.
#include <gtest/gtest.h>

#include "backup/restore_command.h"
#include "engine/pc_information.h"
#include "platform/registry_values.h"
#include "platform/text/cp932.h"
#include "engine/program_preferences.h"
#include "startup/startup_sequence.h"
#include "support/faulty_context.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::SimulatedWindows;

const RegRoot HKLM = RegRoot::LocalMachine;
const std::string kNt = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const std::string k9x = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const std::string kCpu = "\\HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
const std::string kName = "\\SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";

// What setup leaves behind; the organisation is never given.
void FillPcValues(RegistryStore& r, bool nt) {
    const std::string& key = nt ? kNt : k9x;
    auto text = [&](const std::string& k, const char* name, const std::string& value) {
        RegWriteValue(r, HKLM, k, name, "String", value);
    };
    text(key, "RegisteredOwner", "山田 太郎");
    text(key, "ProductName", nt ? "Microsoft Windows XP" : "Microsoft Windows 98");
    text(key, "ProductId", "55274-640-1234567-23456");
    text(key, "SystemRoot", nt ? "C:\\WINDOWS" : "C:\\WINDOWS");
    text(kName, "ComputerName", "YAMADA-PC");
    text(kCpu, "Identifier", "x86 Family 6 Model 15 Stepping 6");
    text(kCpu, "VendorIdentifier", "GenuineIntel");
    if (nt) {
        text(kNt, "CurrentVersion", "5.1");
        text(kNt, "CurrentBuildNumber", "2600");
        text(kNt, "CSDVersion", "Service Pack 2");
        text(kCpu, "ProcessorNameString", "Intel(R) Core(TM)2 CPU 6600 @ 2.40GHz");
        RegWriteValue(r, HKLM, kCpu, "~MHz", "DWORD", "2394");
    } else {
        text(k9x, "Version", "Windows 98");
        text(k9x, "VersionNumber", "4.10.2222");
        text(k9x, "ProductKey", "ABCDE-FGHIJ-KLMNO-PQRST-UVWXY");
    }
}

struct Started : SimulatedContext {
    explicit Started(SimulatedWindows edition, bool answerFile = true) : SimulatedContext(edition) {
        FillPcValues(registry, edition != SimulatedWindows::Win98);
        if (answerFile)
            files.AddFile("C:\\WINDOWS\\System32\\$winnt$.inf", "[Data]\r\nUnattended=1\r\n[UserData]\r\n"
                                                                  "ProductKey=\"QQQQQ-WWWWW-EEEEE-RRRRR-TTTTT\"\r\n");
        RunStartupSequence(ctx);
    }
    std::string Reg(const std::string& key, const char* name) { return RegReadValue(registry, HKLM, key, name, "String"); }
};

TEST(PcInformation, StartUpReadsTheTenFactsOfEachFamily) {
    Started xp(SimulatedWindows::Xp);
    EXPECT_EQ(xp.ctx.pcInformation,
              (PcInformation{"山田 太郎", "", "YAMADA-PC", "Microsoft Windows XP", "5.1.2600 Service Pack 2 ビルド 2600",
                             "55274-640-1234567-23456", "QQQQQ-WWWWW-EEEEE-RRRRR-TTTTT", "C:\\WINDOWS",
                             "Intel(R) Core(TM)2 CPU 6600 @ 2.40GHz",
                             "x86 Family 6 Model 15 Stepping 6 GenuineIntel 2394MHz"}));
    Started xpWithoutAnswers(SimulatedWindows::Xp, false);
    EXPECT_EQ(xpWithoutAnswers.ctx.pcInformation[6], "") << "no answer file: no product key";
    Started me(SimulatedWindows::Win98);
    EXPECT_EQ(me.ctx.pcInformation,
              (PcInformation{"山田 太郎", "", "YAMADA-PC", "Microsoft Windows 98", "Windows 98 4.10.2222",
                             "55274-640-1234567-23456", "ABCDE-FGHIJ-KLMNO-PQRST-UVWXY", "C:\\WINDOWS",
                             "x86 Family 6 Model 15 Stepping 6", "GenuineIntel"}));
}

TEST(PcInformation, ARestoreReadsThemAgain) {
    Started sim(SimulatedWindows::Xp);
    RegWriteValue(sim.registry, HKLM, kNt, "RegisteredOwner", "String", "鈴木 花子");
    sim.files.AddFile("C:\\r.ini", text::Utf8ToCp932("[バックアップ]\r\n形式=2\r\nOS=XP\r\n[システム]\r\n1=0\r\n"
                                                     "[バックアップ終了]\r\n完了=1\r\n"));
    sim.prompts.AnswerNext(false);
    PreferencesOf(sim.ctx).SetRebootPromptWanted(true);
    ASSERT_TRUE(RunRestoreCommand(sim.ctx, "C:\\r.ini"));
    EXPECT_EQ(sim.ctx.pcInformation[0], "鈴木 花子");
}

TEST(PcInformation, NamesWithForbiddenCharactersOrEmptyAreRefused) {
    const std::string user = "指定した使用者名は有効ではありません。\r\n使用者名に次の文字は使えません：/\\[]\":;|<>+=,?*";
    const std::string empty = "\r\nユーザー名およびコンピュータ名を空欄にすることはできません。";
    const struct {
        PcNames names;
        std::optional<PromptKind> refusedWith;
        std::string text;  // checked when not empty
    } cases[] = {
        {{"山田", "", "PC_1%"}, {}, ""},      // "_" and "%" fit a computer name
        {{"ソフト表", "ソ", "PC"}, {}, ""},  // second bytes 0x5C in Shift-JIS
        {{"a b", "", "PC"}, {}, ""},         // blanks fit a user name
        {{"a*b", "", "PC"}, PromptKind::Error, user},
        {{"a\\b", "", "PC"}, PromptKind::Error, user},
        {{"a", "b?", "PC"}, PromptKind::Error,
         "指定した会社名は有効ではありません。\r\n会社名に次の文字は使えません：/\\[]\":;|<>+=,?*"},
        {{"a", "x=y", "PC"}, PromptKind::Error, ""},
        {{"a", "", "MY PC"}, PromptKind::Error,
         "指定したコンピュータ名は有効ではありません。\r\nコンピュータ名に次の文字は使えません："
         "`~!@#$ ^&*()=+[]{}\\|;:'\",<>/?"},
        {{"a", "", "PC'1"}, PromptKind::Error, ""},
        {{"a", "", "PC~"}, PromptKind::Error, ""},
        {{"", "", "PC"}, PromptKind::Warn, empty},
        {{"a", "", ""}, PromptKind::Warn, empty},
        {{"a", "", "NULL"}, PromptKind::Warn, ""},  // would delete the value
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names.user + "|" + c.names.corp + "|" + c.names.computer);
        const auto refusal = CheckPcNames(c.names);
        ASSERT_EQ(refusal.has_value(), c.refusedWith.has_value());
        if (!refusal) continue;
        EXPECT_EQ(refusal->kind, *c.refusedWith);
        if (!c.text.empty()) {
            EXPECT_EQ(refusal->text, c.text);
        }
    }
}

const std::string kAsk = "\r\n表示されている使用者/会社名/コンピュータ名を設定しますか？";
const std::string kDone = "使用者/会社名/コンピュータ名に、表示されている文字列を設定しました。\r\n"
                          "変更した設定を反映するには Windows の再起動または再ログオンが必要です。";

TEST(PcInformation, AChangeWritesTheThreeValuesThenReportsOrOffersARestart) {
    Started sim(SimulatedWindows::Xp);
    sim.prompts.AnswerNext(false);
    EXPECT_FALSE(ChangePcInformation(sim.ctx, {"鈴木", "", "SUZUKI"}));
    EXPECT_EQ(sim.Reg(kName, "ComputerName"), "YAMADA-PC") << "No writes nothing";

    sim.prompts.AnswerNext(true);
    EXPECT_TRUE(ChangePcInformation(sim.ctx, {"鈴木", "", "SUZUKI"}));
    EXPECT_EQ(sim.Reg(kNt, "RegisteredOwner"), "鈴木");
    EXPECT_EQ(RegValueKind(sim.registry, HKLM, kNt, "RegisteredOrganization"), "String") << "empty, but written";
    EXPECT_EQ(sim.Reg(kName, "ComputerName"), "SUZUKI");
    EXPECT_EQ(sim.prompts.shown.back(), (testing::ShownMessage{PromptKind::Inform, kDone}));

    PreferencesOf(sim.ctx).SetRebootPromptWanted(true);
    sim.prompts.AnswerNext(true);
    sim.prompts.AnswerNext(true);
    EXPECT_TRUE(ChangePcInformation(sim.ctx, {"鈴木", "鈴木商店", "SUZUKI"}));
    EXPECT_EQ(sim.prompts.shown.back().text, kDone + "\r\n今すぐ再起動しますか？");
    EXPECT_EQ(sim.processes.calls, std::vector<std::string>{"restart-windows"});

    PreferencesOf(sim.ctx).SetRebootPromptWanted(false);
    PreferencesOf(sim.ctx).SetInformSuppressed(true);
    sim.prompts.shown.clear();
    sim.prompts.AnswerNext(true);
    EXPECT_TRUE(ChangePcInformation(sim.ctx, {"鈴木", "", "SUZUKI"}));
    EXPECT_EQ(sim.prompts.shown, (std::vector<testing::ShownMessage>{{PromptKind::Confirm, kAsk}}));
}

TEST(PcInformation, ARefusedWriteStopsTheChangeAndNamesWhatWasWritten) {
    // Each value takes two writes: its key, then the value.
    for (int refused : {2, 4}) {
        testing::FaultySimulatedContext sim(SimulatedWindows::Xp);
        FillPcValues(sim.registry, true);
        RunStartupSequence(sim.ctx);
        sim.faults.FailWrite(refused);
        sim.prompts.AnswerNext(true);
        EXPECT_FALSE(ChangePcInformation(sim.ctx, {"鈴木", "商店", "SUZUKI"}));
        ASSERT_FALSE(sim.prompts.shown.empty());
        const auto& last = sim.prompts.shown.back();
        EXPECT_EQ(last.kind, PromptKind::Error);
        EXPECT_EQ(RegReadValue(sim.registry, HKLM, kName, "ComputerName", "String"), "YAMADA-PC");
        if (refused == 2) {
            EXPECT_EQ(last.text, "'RegisteredOwner' の設定に失敗しました\r\n\r\nパソコン情報は変更されていません。");
        } else {
            EXPECT_EQ(last.text, "'RegisteredOrganization' の設定に失敗しました\r\n\r\n"
                                 "次の項目は新しい文字列に設定済みです：ユーザー名\r\n残りの項目は変更されていません。");
            EXPECT_EQ(RegReadValue(sim.registry, HKLM, kNt, "RegisteredOwner", "String"), "鈴木");
        }
    }
}

}  // namespace
}  // namespace brisko
