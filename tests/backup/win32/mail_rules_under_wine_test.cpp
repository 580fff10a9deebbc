// The mail-rule buttons with the system's real registry tools: a round trip
// through Regedit, and reg's refusal reported with the older backup kept
// (Wine's reg has no "save"; where it has one, the export succeeds instead).
#include <gtest/gtest.h>

#include "backup/mail_rules.h"
#include "platform/registry_values.h"
#include "platform/win32/win32_process_launcher.h"
#include "support/registry_snapshot.h"
#include "support/win32/real_context.h"

namespace brisko {
namespace {

const RegRoot HKCU = RegRoot::CurrentUser;

TEST(MailRulesUnderWine, RegeditRoundTripAndAFailedRegKeepsTheOlderBackup) {
    testing::RealBackends b;
    win32::Win32ProcessLauncher launcher;
    ProgramContext ctx{Platform{b.registry, b.files, launcher, b.prompts, b.resources, b.system, b.services, b.clock}};
    ctx.paths.executable = b.system.ExecutablePath();
    testing::RegistrySnapshot snapshot(b.registry);
    snapshot.Remember(HKCU, "Identities");
    const std::string rules = "\\Identities\\{FFFFFFFF-B815-4E2A-9A1C-0123456789AB}\\Software\\Microsoft\\Outlook "
                              "Express\\5.0\\Rules\\Mail\\000";
    RegWriteValue(b.registry, HKCU, rules, "Name", "String", "受信トレイへ");
    ASSERT_EQ(MailRuleKeyPath(b.registry) + "\\000", rules);

    ctx.os = {"NT", "2k"};
    b.prompts.AnswerNext(true);
    ASSERT_TRUE(BackupMailRules(ctx, {})) << (b.prompts.shown.empty() ? "" : b.prompts.shown.back().text);
    const auto made = b.files.ReadFile(MailRuleBackupPath(ctx));
    ASSERT_TRUE(made && !made->empty());
    EXPECT_FALSE(b.files.GetAttributes(MailRuleBackupPath(ctx) + ".new"));

    RegWriteValue(b.registry, HKCU, rules, "Name", "String", "changed");
    b.prompts.AnswerNext(true);
    ASSERT_TRUE(RestoreMailRules(ctx, {}));
    EXPECT_EQ(RegReadValue(b.registry, HKCU, rules, "Name", "String"), "受信トレイへ");

    ctx.os = {"NT", "XP"};
    b.prompts.shown.clear();
    b.prompts.AnswerNext(true);
    const bool saved = BackupMailRules(ctx, {});
    ASSERT_EQ(b.prompts.shown.size(), 2u);
    if (saved) {
        EXPECT_EQ(b.prompts.shown[1].kind, PromptKind::Inform) << "this reg can save hives";
    } else {
        EXPECT_EQ(b.prompts.shown[1].kind, PromptKind::Error);
        EXPECT_NE(b.prompts.shown[1].text.find("reg がエラー (終了コード 1)"), std::string::npos) << b.prompts.shown[1].text;
        EXPECT_EQ(b.files.ReadFile(MailRuleBackupPath(ctx)), made) << "the older backup is kept";
    }
    EXPECT_FALSE(b.files.GetAttributes(MailRuleBackupPath(ctx) + ".new"));
}

}  // namespace
}  // namespace brisko
