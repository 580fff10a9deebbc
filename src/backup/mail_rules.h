#pragma once
// Backing up and restoring the Outlook Express mail rules of one identity
// with the system's registry tools, to a fixed file beside the program.
#include <functional>
#include <string>

#include "engine/program_context.h"

namespace brisko {

inline constexpr char kMailRuleBackupName[] = "OE メールルールのバックアップ.hiv";

// "HKCU" on XP, "HKEY_CURRENT_USER" elsewhere.
std::string MailRuleRootText(const OsEdition& os);
// The rules key of the identity enumerated last under \Identities; empty
// when there is no identity ("{...}" subkey).
std::string MailRuleKeyPath(RegistryStore& registry);
std::string MailRuleBackupPath(const ProgramContext& ctx);

// The two buttons of the mail-rule page. The tool is waited for (keepAlive
// keeps the window responsive meanwhile) and its exit code checked; a new
// backup replaces the old one only once the tool has made it. False when
// nothing was done or the tool failed (the user has been told why).
bool BackupMailRules(ProgramContext& ctx, const std::function<void()>& keepAlive);
bool RestoreMailRules(ProgramContext& ctx, const std::function<void()>& keepAlive);

}  // namespace brisko
