// The mail-rule buttons on simulated XP and 2000: the tool's command line,
// its exit code, and the older backup kept whenever the tool fails.
#include <gtest/gtest.h>

#include "backup/mail_rules.h"
#include "platform/registry_values.h"
#include "startup/startup_sequence.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::SimulatedWindows;

const std::string kRules = "\\Software\\Microsoft\\Outlook Express\\5.0\\Rules\\Mail";

struct MailMachine : SimulatedContext {
    explicit MailMachine(SimulatedWindows edition) : SimulatedContext(edition) {
        RunStartupSequence(ctx);
        processes.calls.clear();
        for (const char* identity : {"{AAA}", "Default User", "{BBB}"})
            RegWriteValue(registry, RegRoot::CurrentUser, std::string("\\Identities\\") + identity + kRules + "\\000",
                          "Name", "String", "rule");
    }
    std::string Backup() const { return MailRuleBackupPath(ctx); }
    // The tool writes this into the file its command line names.
    void ToolWrites(const std::string& bytes) {
        processes.onWait = [this, bytes](const std::string& command) {
            for (size_t open = command.find('"'); open != std::string::npos; open = command.find('"', open + 1)) {
                const size_t close = command.find('"', open + 1);
                const std::string arg = command.substr(open + 1, close - open - 1);
                if (arg.find(":\\") != std::string::npos) files.WriteReplacing(arg, bytes);
                open = close;
            }
        };
    }
};

// The command lines of tests/data/mail_rule_commands.tsv.
TEST(MailRules, CommandLinesOnXpAnd2000NameTheLastIdentityAndTheFixedFile) {
    for (const auto& c : testing::TestDataRows("mail_rule_commands.tsv")) {
        MailMachine m(c.at(0) == "XP" ? SimulatedWindows::Xp : SimulatedWindows::Win2000);
        m.ToolWrites("rules");
        m.prompts.AnswerNext(true);
        m.prompts.AnswerNext(true);
        EXPECT_TRUE(BackupMailRules(m.ctx, {}));
        EXPECT_TRUE(RestoreMailRules(m.ctx, {}));
        auto expand = [&](std::string line) { return line.replace(line.find("%f"), 2, m.Backup()); };
        EXPECT_EQ(m.processes.calls, (std::vector<std::string>{"wait|" + expand(c.at(1)) + "|60000",
                                                                "wait|" + expand(c.at(2)) + "|60000"}));
        EXPECT_EQ(m.files.ReadFile(m.Backup()), "rules");
        EXPECT_FALSE(m.files.GetAttributes(m.Backup() + ".new")) << "the temporary export is gone";
        EXPECT_EQ(m.prompts.shown.size(), 4u);  // question, result, question, result
    }
}

// The failures of tests/data/mail_rule_failures.tsv.
TEST(MailRules, AFailedExportShowsTheToolAndItsCodeAndKeepsTheOlderBackup) {
    for (const auto& c : testing::TestDataRows("mail_rule_failures.tsv")) {
        const std::string& says = c.at(3);
        MailMachine m(c.at(0) == "XP" ? SimulatedWindows::Xp : SimulatedWindows::Win2000);
        m.files.WriteReplacing(m.Backup(), "older rules");
        if (c.at(2) == "yes") m.ToolWrites("half written");
        m.processes.exitCode = c.at(1) == "timeout" ? ProcessLauncher::kTimedOut : std::stoi(c[1]);
        m.prompts.AnswerNext(true);
        EXPECT_FALSE(BackupMailRules(m.ctx, {}));
        EXPECT_EQ(m.files.ReadFile(m.Backup()), "older rules") << says;
        EXPECT_FALSE(m.files.GetAttributes(m.Backup() + ".new"));
        ASSERT_EQ(m.prompts.shown.size(), 2u);
        EXPECT_EQ(m.prompts.shown[1].kind, PromptKind::Error);
        EXPECT_NE(m.prompts.shown[1].text.find(says), std::string::npos) << m.prompts.shown[1].text;
    }
}

// Without an identity the tool would be handed all of HKEY_CURRENT_USER.
TEST(MailRules, RefusesWithoutIdentityOrBackup) {
    MailMachine m(SimulatedWindows::Xp);
    EXPECT_FALSE(RestoreMailRules(m.ctx, {})) << "no backup yet";
    EXPECT_TRUE(m.processes.calls.empty());
    m.files.WriteReplacing(m.Backup(), "rules");
    RegDeleteKeyTree(m.registry, RegRoot::CurrentUser, "\\Identities\\{AAA}");
    RegDeleteKeyTree(m.registry, RegRoot::CurrentUser, "\\Identities\\{BBB}");
    m.prompts.shown.clear();
    EXPECT_FALSE(BackupMailRules(m.ctx, {}));
    EXPECT_FALSE(RestoreMailRules(m.ctx, {}));
    EXPECT_TRUE(m.processes.calls.empty());
    EXPECT_EQ(m.prompts.shown.size(), 2u) << "refused before any question";
    EXPECT_EQ(m.files.ReadFile(m.Backup()), "rules");
}

}  // namespace
}  // namespace brisko
