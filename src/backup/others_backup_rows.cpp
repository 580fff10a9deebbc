// The backup rows of Others: Media Player, error reports, connections, the menu mask, AutoRun,
// Messenger.
#include "backup/backup_rows.h"

#include "engine/menu_mask.h"

namespace brisko::backup_rows {

std::vector<BackupEntry> OthersEntries() {
    std::vector<BackupEntry> e;
    const std::string player = "\\Software\\Microsoft\\MediaPlayer";
    e.push_back(KeptExactly(WithKinds({[player](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kOthers, "1", Read(ctx, HKCU, player + "\\Preferences", "DisableMRU", kind::kDword));
                 },
                 [player](ProgramContext& ctx, const BackupSource& b) {
                     std::string v = b.read(kOthers, "1");
                     if (v == NULLT) v = "0";
                     Write(ctx, HKCU, player + "\\Preferences", "DisableMRU", kind::kDword, v);
                     if (v != "1") return;
                     RegDeleteKeyTree(ctx.platform.registry, HKCU, player + "\\Player\\RecentFileList");
                     RegDeleteKeyTree(ctx.platform.registry, HKCU, player + "\\Player\\RecentURLList");
                 }}, {{kOthers, "1", kind::kDword}}), {{kOthers + ".1", HKCU, player + "\\Preferences", "DisableMRU"}},
                 {{kOthers + ".1.files", HKCU, player + "\\Player\\RecentFileList"},
                  {kOthers + ".1.urls", HKCU, player + "\\Player\\RecentURLList"}}));
    e.push_back(ValueBy(kOthers, "2", "DWORD", [](const ProgramContext& ctx) {
        return IsXp(ctx) ? ValueAt{HKLM, "\\SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting", "DoReport"}
                         : ValueAt{HKLM, "\\Software\\Microsoft\\Internet Explorer\\Main", "IEWatsonEnabled"};
    }));
    const std::string inet = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
    e.push_back(Value(kOthers, "3a", HKCU, inet, "MaxConnectionsPer1_0Server", "DWORD"));
    e.push_back(Value(kOthers, "3b", HKCU, inet, "MaxConnectionsPerServer", "DWORD"));
    e.push_back(Value(kOthers, "4", HKLM, "\\SOFTWARE\\Policies\\Microsoft\\Windows\\WindowsUpdate\\AU", "NoAutoUpdate",
                      "DWORD"));
    e.push_back(Value(kOthers, "5a", HKCU, POLICIES, "NoResolveTrack", "DWORD"));
    e.push_back(Value(kOthers, "5b", HKCU, POLICIES, "NoResolveSearch", "DWORD"));
    e.push_back(Value(kOthers, "5c", HKCU, POLICIES, "LinkResolveIgnoreLinkInfo", "DWORD"));
    // The mask is recorded whole, however long (see menu_mask.h).
    e.push_back(WithKinds({[](ProgramContext& ctx, const BackupRecorder& rec) { rec(kOthers, "6", ReadMenuMask(ctx)); },
                 [](ProgramContext& ctx, const BackupSource& b) { WriteMenuMask(ctx, b.read(kOthers, "6")); }},
                          {{kOthers, "6", kMaskKind}}));
    BackupEntry autoRun{[](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kOthers, "7", Read(ctx, HKCU, POLICIES, "NoDriveTypeAutoRun", Is9x(ctx) ? kind::kBinary : kind::kDword));
                 },
                 [](ProgramContext& ctx, const BackupSource& b) {
                     std::string v = b.read(kOthers, "7");
                     if (Is9x(ctx)) {
                         Write(ctx, HKCU, POLICIES, "NoDriveTypeAutoRun", kind::kBinary, v == NULLT ? "95" : v);
                         return;
                     }
                     if (v == "0") {
                         v = "255";
                     } else if (v == NULLT || v == "1") {
                         v = IsXp(ctx) ? "145" : "149";
                         Write(ctx, HKLM, "\\SYSTEM\\CurrentControlSet\\Services\\Cdrom", "AutoRun", kind::kDword, "1");
                     }
                     Write(ctx, HKCU, POLICIES, "NoDriveTypeAutoRun", kind::kDword, v);
                 }};
    autoRun.kinds = [](const OsEdition& os, const BackupSource&) {
        return std::vector<RecordedKind>{{kOthers, "7", os.family == "9x" ? kind::kBinary : kind::kDword}};
    };
    e.push_back(KeptExactly(std::move(autoRun), {{kOthers + ".7", HKCU, POLICIES, "NoDriveTypeAutoRun"},
                                                 {kOthers + ".7.cdrom", HKLM, "\\SYSTEM\\CurrentControlSet\\Services\\Cdrom", "AutoRun"}}));
    e.push_back(Value(kOthers, "8", HKCU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "link", "Binary"));
    e.push_back(Value(kOthers, "9", HKLM, "\\SOFTWARE\\Microsoft\\Outlook Express", "Hide Messenger", "DWORD"));
    e.push_back(AlwaysHeld({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kOthers, "10", Flag(RegExists(ctx.platform.registry, HKLM, EXTENSIONS, MESSENGER, "Key")));
                 },
                 [](ProgramContext& ctx, const BackupSource& b) {
                     const std::string on = EXTENSIONS + "\\" + MESSENGER, off = EXTENSIONS + "\\;" + MESSENGER;
                     if (b.read(kOthers, "10") == "false") RegMoveKey(ctx.platform.registry, HKLM, on, off);
                     else RegMoveKey(ctx.platform.registry, HKLM, off, on);
                 }},
                           {{kOthers, "10"}}));
    return e;
}

}  // namespace brisko::backup_rows
