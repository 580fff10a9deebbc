#pragma once
// Who runs the program, and the users' hives a command acts on: the
// `/user:` choice (current, loaded, all, default, a SID or account name,
// none) made into the hives of this machine, and the hives opened for the
// command and closed again however it ends.
#include <optional>
#include <string>
#include <vector>

#include "engine/program_context.h"

namespace brisko {

enum class RunKind {
    OwnUser,          // a user's own run: HKEY_CURRENT_USER is that user's settings
    SystemOrService,  // SYSTEM, LOCAL SERVICE, NETWORK SERVICE, a service's account
    OtherUser,        // an administrator elevated for another user, who is the one signed in
};

struct RunIdentity {
    RunKind kind = RunKind::OwnUser;
    std::string sid, account;            // the process's user
    std::string shellSid, shellAccount;  // the user signed in here, where a shell runs
};

// Whether the SID is a person's: a local or domain account (S-1-5-21-…) or an
// Entra ID one (S-1-12-1-…); never a service's, nor a "_Classes" hive.
bool IsUserSid(const std::string& sid);
RunIdentity IdentityOfRun(ProgramContext& ctx);
// "NT AUTHORITY\\SYSTEM (S-1-5-18)".
std::string AccountText(const std::string& account, const std::string& sid);

struct UserChoice {
    bool current = false, loaded = false, all = false, defaultProfile = false, none = false;
    std::vector<std::string> named;  // SIDs and account names, as given
    bool operator==(const UserChoice&) const = default;
};
// The values of `/user:`, separated by commas; nullopt with `error` set for
// an empty one, or none combined with another.
std::optional<UserChoice> ParseUserChoice(const std::string& text, std::string& error);

// The process's own hive: under HKEY_USERS by its SID where that is loaded,
// else HKEY_CURRENT_USER itself.
UserHive OwnHive(ProgramContext& ctx, const RunIdentity& who);

// Routes the registry to the own hive (HKEY_CLASSES_ROOT to the machine's
// classes where no interactive user runs), and makes it the one hive this
// run writes: the start-up's default, which commands may change.
void RouteToOwnHive(ProgramContext& ctx);

struct ResolvedUsers {
    std::vector<UserHive> hives;        // each once, in the order chosen
    std::vector<std::string> unknown;   // named users without a profile here
    std::vector<std::string> skipped;   // profiles that are not opened, each with why
};
ResolvedUsers ResolveUsers(ProgramContext& ctx, const UserChoice& choice, const RunIdentity& who);

// Opens the hives for one command: a profile that is not loaded is loaded
// under HKEY_USERS\Brisko-<SID> (never one already there), and every hive
// loaded here is unloaded again when this goes, after the registry is routed
// back to the own hive (the program keeps no key open between calls).
class OpenedHives {
public:
    OpenedHives(ProgramContext& ctx, const std::vector<UserHive>& wanted);
    ~OpenedHives();
    OpenedHives(const OpenedHives&) = delete;
    OpenedHives& operator=(const OpenedHives&) = delete;

    const std::vector<UserHive>& Hives() const { return hives_; }
    // "name: why" for each hive that could not be opened.
    const std::vector<std::string>& Skipped() const { return skipped_; }
    // Unloads now; names the hives that would not unload.
    std::vector<std::string> Close();

private:
    ProgramContext& ctx_;
    HiveRoute before_;
    std::vector<UserHive> hives_;
    std::vector<std::string> skipped_;
    std::vector<UserHive> loadedHere_;
};

}  // namespace brisko
