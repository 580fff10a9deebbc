// Restore points and the history log around applies and restores.
#include <gtest/gtest.h>

#include "backup/accelerate_flow.h"
#include "backup/backup_file.h"
#include "backup/change_history.h"
#include "backup/history_restore.h"
#include "backup/mail_rules.h"
#include "backup/pc_information_change.h"
#include "backup/recorded_change.h"
#include "backup/restore_command.h"
#include "engine/change_preview.h"
#include "platform/error.h"
#include "platform/registry_values.h"
#include "platform/rotating_log.h"
#include "prefs/preferences.h"
#include "support/faulty_context.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

class ChangeHistory : public ::testing::Test {
protected:
    ChangeHistory() { ctx.UseRestorePoints(points); }
    testing::StartedContext sim{testing::SimulatedWindows::Xp};
    ProgramContext& ctx = sim.ctx;
    MemoryRestorePoints points;
    std::string Irq8() { return sim.Irq8(); }
    std::vector<HistoryRecord> History() {
        return ReadHistory(sim.files, HistoryLogPath(BackupsFolder(ctx)));
    }
};

// The backup and the begun record, then the restore point, then the writes;
// with nothing to write the point is cancelled again.
TEST_F(ChangeHistory, TheRestorePointComesBeforeTheFirstWriteAndGoesWhenNothingChanged) {
    std::vector<std::string> seen;
    points.onCall = [&](const std::string& call) {
        seen.push_back(call + " irq8=" + Irq8() + " backups=" +
                       std::to_string(sim.files.ListFolder(BackupsFolder(ctx)).size()));
    };
    sim.Entry(TweakCategory::System, 5).ticked = true;
    RunAccelerate(ctx);
    RunAccelerate(ctx);
    EXPECT_EQ(seen, (std::vector<std::string>{"Begin Brisko による設定変更の前 irq8=NULL backups=2",
                                              "End 1 irq8=2 backups=2", "Begin Brisko による設定変更の前 irq8=2 backups=3",
                                              "Cancel 1 irq8=2 backups=3"}));
    Preferences(sim.files, ctx.paths.preferencesFile).SetRestorePointSuppressed(true);
    sim.Entry(TweakCategory::System, 5).ticked = false;
    RunAccelerate(ctx);
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(Irq8(), "NULL");
}

// Windows 8 and later answer within 24 hours of a point with that point's
// number: not this run's, so neither called made nor ended or cancelled. A
// point that cannot be told new is ended, never cancelled. A change that
// wrote nothing leaves no record naming a backup it then removed.
TEST_F(ChangeHistory, APointWindowsReusedIsNeverCancelledNorCalledMade) {
    points.newest = 7;
    points.answer = {RestorePointStart::State::Made, 7, ""};
    RunAccelerate(ctx);  // nothing to change
    sim.Entry(TweakCategory::System, 5).ticked = true;
    const AccelerateResult result = RunAccelerate(ctx);
    EXPECT_EQ(points.calls, (std::vector<std::string>(2, "Begin Brisko による設定変更の前")));
    EXPECT_EQ(History().size(), 1u) << "the change that wrote nothing left no record";
    EXPECT_EQ(History().at(0).restorePoint, "Windows は 24 時間以内の復元ポイントを使います (番号 7)");
    EXPECT_NE(result.note.find("新しい復元ポイントは作成されていません"), std::string::npos) << result.note;
    points.newest = std::nullopt;
    points.answer = {RestorePointStart::State::Made, 8, ""};
    RunAccelerate(ctx);
    EXPECT_EQ(points.calls.back(), "End 8");
    for (const HistoryRecord& r : History()) EXPECT_TRUE(sim.files.GetAttributes(r.backup)) << r.backup;
}

// Windows declining is said in the final message and recorded; the apply goes on.
TEST_F(ChangeHistory, ADeclinedRestorePointIsReportedAndTheApplyGoesOn) {
    points.answer = {RestorePointStart::State::Declined, 0, "システムの保護 (システムの復元) が無効になっています。"};
    sim.Entry(TweakCategory::System, 5).ticked = true;
    sim.prompts.AnswerNext(true);
    BtnAccelerateClick(ctx);
    EXPECT_EQ(Irq8(), "2");
    ASSERT_EQ(sim.prompts.shown.size(), 2u);
    EXPECT_NE(sim.prompts.shown[1].text.find("復元ポイントを作成できませんでした: システムの保護"), std::string::npos);
    EXPECT_EQ(points.calls.size(), 1u);  // nothing to end
    EXPECT_EQ(History().at(0).restorePoint, "作成できませんでした: システムの保護 (システムの復元) が無効になっています。");
}

// The record lists what the question before the apply listed: every value
// and file line, with the same before and after.
TEST_F(ChangeHistory, ARecordHoldsExactlyTheWritesOfTheApply) {
    sim.Entry(TweakCategory::System, 5).ticked = true;
    sim.Entry(TweakCategory::Power, 10).ticked = true;
    const std::vector<ChangeLine> preview = PreviewChanges(ctx);
    const AccelerateResult result = RunAccelerate(ctx);
    const auto history = History();
    ASSERT_EQ(history.size(), 1u);
    std::vector<ChangeLine> recorded;
    for (const HistoryItem& item : history[0].items)
        for (const HistoryValue& v : item.values) recorded.push_back({item.label, v.target, v.before, v.after});
    EXPECT_EQ(recorded, preview);
    EXPECT_EQ(history[0].action, "高速化");
    EXPECT_EQ(history[0].backup, result.backup);
    EXPECT_EQ(history[0].restorePoint, "作成しました (番号 1)");
}

// The history page's command restores the backup made just before the
// record, with the file check and the question, and is itself recorded.
TEST_F(ChangeHistory, RestoringFromARecordPutsBackItsBackup) {
    sim.Entry(TweakCategory::System, 5).ticked = true;
    RunAccelerate(ctx);
    ASSERT_EQ(Irq8(), "2");
    const HistoryRecord applied = History().at(0);
    sim.prompts.AnswerNext(true);
    EXPECT_TRUE(ConfirmRestore(ctx, applied.backup) && RunRestoreCommand(ctx, applied.backup));
    EXPECT_EQ(Irq8(), "NULL");
    EXPECT_EQ(points.calls.back(), "End 1");
    const HistoryRecord restored = History().at(0);
    EXPECT_EQ(restored.action, "復元");
    EXPECT_EQ(restored.restoredFrom, applied.backup);
    // A file that is no backup is refused before any question.
    sim.files.AddFile("C:\\not-a-backup.ini", "[x]\r\n");
    EXPECT_FALSE(ConfirmRestore(ctx, "C:\\not-a-backup.ini"));
    EXPECT_EQ(sim.prompts.shown.back().kind, PromptKind::Warn);
}

// Each record names its computer and Windows build; the history page offers
// only this computer's records, and its question names the later changes a
// restore of one also undoes.
TEST_F(ChangeHistory, OnlyThisComputersRecordsAreOfferedAndLaterOnesAreNamed) {
    sim.Entry(TweakCategory::System, 5).ticked = true;
    RunAccelerate(ctx);
    sim.Entry(TweakCategory::Power, 10).ticked = true;
    RunAccelerate(ctx);
    auto records = History();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].computer + " " + records[1].windows, "YAMADA-PC 5.1.2600");
    const MachineIdentity here = IdentityOf(ctx);
    EXPECT_TRUE(RecordOfThisComputer(records[1], here));
    EXPECT_EQ(LaterChangesUndone(records, 1, here),
              "\r\n\r\nこの復元は、この記録より後の次の変更も元に戻します：\r\n　" + records[0].when + "  高速化");
    EXPECT_EQ(LaterChangesUndone(records, 0, here), "");
    records[0].computer = "ANOTHER-PC";
    EXPECT_FALSE(RecordOfThisComputer(records[0], here));
    EXPECT_EQ(LaterChangesUndone(records, 1, here), "") << "another computer's change is not undone here";
    records[0].computer.clear();
    EXPECT_FALSE(RecordOfThisComputer(records[0], here)) << "an older record names no computer";
}

// A change of the PC information and an import of the mail rules are changes
// like any other: a restore point around them and a record of each.
TEST_F(ChangeHistory, PcInformationAndMailRulesAreRecordedChanges) {
    sim.prompts.AnswerNext(true);
    ASSERT_TRUE(ChangePcInformation(ctx, {"鈴木", "", "SUZUKI"}));
    RegWriteValue(sim.registry, RegRoot::CurrentUser, "\\Identities\\{AAA}\\Software", "x", "String", "y");
    sim.files.AddFile(MailRuleBackupPath(ctx), "rules");
    sim.prompts.AnswerNext(true);
    ASSERT_TRUE(RestoreMailRules(ctx, {}));
    EXPECT_EQ(points.calls, (std::vector<std::string>{"Begin Brisko による設定変更の前", "End 1",
                                                      "Begin Brisko による設定変更の前", "End 1"}));
    const auto records = History();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].action, "パソコン情報の変更");
    ASSERT_EQ(records[1].items.size(), 1u);
    EXPECT_EQ(records[1].items[0].values.back().after, "SUZUKI");
    EXPECT_EQ(records[0].action, "メールルールの復元");
    EXPECT_EQ(records[0].items.at(0).values.at(0).after, MailRuleBackupPath(ctx) + " から読み込み");
}

// A refused write is recorded as failed, with the error the user saw, or,
// refused without a word, as not reading back.
TEST(ChangeHistoryFaults, ARefusedWriteIsRecordedAsFailed) {
    testing::FaultySimulatedContext sim(testing::SimulatedWindows::Xp);
    RunStartupSequence(sim.ctx);
    Preferences(sim.files, sim.ctx.paths.preferencesFile).SetAutoBackupSuppressed(true);
    sim.ctx.items.List(TweakCategory::System).at(4).ticked = true;
    sim.faults.FailWrite(4);  // the value, after the folder and the begun record, and its key
    std::string error = "書き込んだ値になっていません";
    try {
        RunAccelerate(sim.ctx);
    } catch (const BriskoError& e) {
        error = e.what();
    }
    ASSERT_NE(sim.faults.Refused(), "") << "refused: " << sim.faults.Refused();
    const std::string log = sim.files.ReadFile(HistoryLogPath(BackupsFolder(sim.ctx))).value_or("");
    EXPECT_TRUE(log.starts_with(kUtf8ByteOrderMark));
    EXPECT_NE(log.find("失敗\tHKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl\\IRQ8Priority\t" +
                       error),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("バックアップ\tなし\r\n"), std::string::npos);
}

// A record reads back as written; a field's tabs and breaks do not split it.
// What the reader takes from garbage: rows of tests/data/function_cases.tsv.
TEST(ChangeHistoryText, RecordsReadBackAndFieldsStayWhole) {
    const HistoryRecord full{"2026-12-07 03:01:02", "高速化", "C:\\b.ini", "", "作成しました (番号 3)",
                             {{"[システム] a", {{"HKEY_X\\v", "1", "2", ""}, {"HKEY_X\\w", "(なし)", "x", "拒否"}}, ""},
                              {"[その他] b", {}, "設定できませんでした"}},
                             "YAMADA-PC",
                             "5.1.2600",
                             HistoryRecord::Stage::Whole,
                             "",
                             {{"HKEY_USERS\\Brisko-S-1-12-1-7", "S-1-12-1-7", "AzureAD\\hana"}}};
    EXPECT_EQ(ParseHistory(std::string(kUtf8ByteOrderMark) + FormatHistoryRecord(full)),
              std::vector<HistoryRecord>{full});
    HistoryRecord broken = full;
    broken.items[0].values[0].after = "two\r\nlines\tand tab";
    EXPECT_EQ(ParseHistory(FormatHistoryRecord(broken)).at(0).items[0].values[0].after, "two  lines and tab");
}

}  // namespace
}  // namespace brisko
