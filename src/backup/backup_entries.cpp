#include "backup/backup_entries.h"

#include <cstdio>
#include <map>

#include "backup/exact_state.h"
#include "backup/service_entries.h"
#include "backup/typed_value.h"
#include "platform/error.h"
#include "engine/explorer_items.h"
#include "engine/menu_mask.h"
#include "engine/system_items.h"
#include "platform/profile/profile_file.h"
#include "platform/registry_values.h"
#include "platform/text/case_fold.h"
#include "platform/value_text.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"
#include "engine/usb_controllers.h"

namespace brisko {

namespace {
const RegRoot HKLM = RegRoot::LocalMachine, HKCU = RegRoot::CurrentUser, HKCR = RegRoot::ClassesRoot;
const std::string kSystem = "システム", kSystem9 = "システム9", kDesktop = "デスクトップ", kExplorer = "エクスプローラ",
                  kPower = "起動・終了", kOthers = "その他", kPcInfo = "パソコン情報";
const std::string& kTyped = kTypedValuesSection;
const std::string NULLT(kNullText);

const std::string SUBSYSTEMS = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems";
const std::string MM = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const std::string POLICIES = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string DESK = "\\Control Panel\\Desktop";
const std::string TRAY = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify";
const std::string NAMESPACE = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace";
const std::string TASKS = "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";
const std::string EXTENSIONS = "\\SOFTWARE\\Microsoft\\Internet Explorer\\Extensions";
const std::string MESSENGER = "{FB5F1910-F110-11d2-BB9E-00C04F795683}";
const std::string SYSOC_COMPONENTS = "Components";

std::string Read(ProgramContext& ctx, RegRoot root, const std::string& path, const std::string& name,
                 std::string_view kindTag) {
    return RegReadValue(ctx.platform.registry, root, path, name, kindTag);
}
void Write(ProgramContext& ctx, RegRoot root, const std::string& path, const std::string& name,
           std::string_view kindTag, const std::string& textValue) {
    RegWriteValue(ctx.platform.registry, root, path, name, kindTag, textValue);
}
std::string Flag(bool exists) { return exists ? "true" : "false"; }
bool IsXp(const ProgramContext& ctx) { return ctx.os.edition == "XP"; }
bool Is9x(const ProgramContext& ctx) { return ctx.os.family == "9x"; }
// A text the writer could have recorded: neither absent nor empty.
bool IsRecordedText(const std::string& v) { return v != NULLT && !v.empty(); }

// The row's keys that every backup of the family holds (any family when empty).
BackupEntry AlwaysHeld(BackupEntry entry, std::vector<BackupKey> keys, std::string family = "") {
    entry.alwaysHeld = [keys = std::move(keys), family = std::move(family)](const OsEdition& os) {
        return family.empty() || os.family == family ? keys : std::vector<BackupKey>{};
    };
    return entry;
}

// Where a value row reads and writes: `kind` to record, `restoreKind` to write back.
struct ValueAtRow {
    RegRoot root;
    std::string path, name, kind, restoreKind;
};

// The row's parsed texts: one kind for fixed keys.
BackupEntry WithKinds(BackupEntry entry, std::vector<RecordedKind> kinds) {
    entry.kinds = [kinds = std::move(kinds)](const OsEdition&, const BackupSource&) { return kinds; };
    return entry;
}

// Every key of the section that begins with `prefix`, of one kind.
std::vector<RecordedKind> EveryKey(const BackupSource& b, const std::string& section, const std::string& prefix,
                                   std::string_view kindTag) {
    std::vector<RecordedKind> kinds;
    for (const auto& key : b.keys(section))
        if (key.starts_with(prefix)) kinds.push_back({section, key, kindTag});
    return kinds;
}

std::optional<RegValueData> RawValue(ProgramContext& ctx, RegRoot root, const std::string& path, const std::string& name) {
    RegistryStore& store = ctx.platform.registry;
    const std::string p = path.substr(path.starts_with('\\') ? 1 : 0);
    if (!store.CanOpenKey(root, p, RegAccess::Full)) return std::nullopt;
    return store.QueryValue(root, p, name, RegAccess::Full);
}

// Records the value's text of its kind and, when writing that text back
// would not give the value back exactly, its type and bytes as well.
void RecordValue(ProgramContext& ctx, const BackupRecorder& rec, const std::string& section, const std::string& key,
                 const ValueAtRow& at) {
    const std::string text = Read(ctx, at.root, at.path, at.name, at.kind);
    rec(section, key, text);
    const auto raw = RawValue(ctx, at.root, at.path, at.name);
    if (raw && RegValueDataOf(at.restoreKind, text) != raw) rec(kTyped, section + "." + key, TypedValueText(*raw));
}

// Writes a value kept with its type back byte for byte; false when the row has none.
bool RestoreTyped(ProgramContext& ctx, const BackupSource& b, const std::string& section, const std::string& key,
                  const ValueAtRow& at) {
    const std::string text = b.read(kTyped, section + "." + key);
    if (text == NULLT) return false;
    const auto value = ParseTypedValue(text);
    if (!value) throw BriskoError(FormatUserMessage("バックアップの値 %s が壊れています", text));
    RegistryStore& store = ctx.platform.registry;
    const std::string p = at.path.substr(at.path.starts_with('\\') ? 1 : 0);
    store.CreateKey(at.root, p);
    if (!store.SetValue(at.root, p, at.name, *value))
        throw BriskoError(FormatUserMessage("'%s' の設定に失敗しました", at.name));
    return true;
}

std::vector<RecordedKind> ValueKinds(const std::string& section, const std::string& key, std::string_view restoreKind) {
    std::vector<RecordedKind> kinds{{kTyped, section + "." + key, kTypedKind}};
    if (restoreKind == kind::kDword) kinds.push_back({section, key, kind::kDword});
    if (restoreKind == kind::kBinary) kinds.push_back({section, key, kind::kBinary});
    return kinds;
}

// A registry value recorded with one kind and put back with another (usually the same);
// `absentBecomes` replaces a missing entry on restore ("NULL": delete the value).
BackupEntry Value(const std::string& section, const std::string& key, RegRoot root, std::string path,
                  std::string name, std::string kindTag, std::string restoreKind = "", std::string absentBecomes = NULLT) {
    if (restoreKind.empty()) restoreKind = kindTag;
    const ValueAtRow at{root, path, name, kindTag, restoreKind};
    return WithKinds({[=](ProgramContext& ctx, const BackupRecorder& rec) { RecordValue(ctx, rec, section, key, at); },
                      [=](ProgramContext& ctx, const BackupSource& b) {
                          if (RestoreTyped(ctx, b, section, key, at)) return;
                          std::string v = b.read(section, key);
                          if (v == NULLT && !RecordsAbsence(b)) v = absentBecomes;
                          Write(ctx, root, path, name, restoreKind, v);
                      }},
                     ValueKinds(section, key, restoreKind));
}

// A value whose key or name depends on the edition.
struct ValueAt {
    RegRoot root;
    std::string path, name;
};
using Locate = std::function<ValueAt(const ProgramContext&)>;
BackupEntry ValueBy(const std::string& section, const std::string& key, std::string kindTag, Locate at) {
    auto row = [=](const ProgramContext& ctx) {
        const ValueAt v = at(ctx);
        return ValueAtRow{v.root, v.path, v.name, kindTag, kindTag};
    };
    return WithKinds({[=](ProgramContext& ctx, const BackupRecorder& rec) { RecordValue(ctx, rec, section, key, row(ctx)); },
                      [=](ProgramContext& ctx, const BackupSource& b) {
                          const ValueAtRow v = row(ctx);
                          if (!RestoreTyped(ctx, b, section, key, v)) Write(ctx, v.root, v.path, v.name, kindTag, b.read(section, key));
                      }},
                     ValueKinds(section, key, kindTag));
}

void ShowMissingFile(ProgramContext& ctx, const char* item) {
    ctx.platform.prompts.Error(std::string("[") + item +
                               " 設定対象ファイルの検出に失敗しました。\r\n[オプション] から正しいファイルパスを設定することができます。");
}

// Never created: a file that is not there now counts as not found.
bool FileThere(ProgramContext& ctx, const std::string& path) {
    return path != NULLT && ctx.platform.files.GetAttributes(path).has_value();
}

std::string BootDefaultKey(ProgramContext& ctx) {
    return IniReadValue(ctx.platform.files, ctx.paths.bootFilePath, "boot loader", "default");
}

void RecreateVideoHandler(ProgramContext& ctx, const std::string& clsid, const std::string& description) {
    const std::string key = "\\CLSID\\" + clsid;
    Write(ctx, HKCR, key, "", kind::kString, description);
    Write(ctx, HKCR, key + "\\InProcServer32", "", kind::kExString, "%SystemRoot%\\System32\\shmedia.dll");
    Write(ctx, HKCR, key + "\\InProcServer32", "ThreadingModel", kind::kString, "Both");
}

BackupEntry VideoHandler(const std::string& key, const std::string& clsid, const std::string& description) {
    return KeptExactly(AlwaysHeld({[=](ProgramContext& ctx, const BackupRecorder& rec) {
                rec(kExplorer, key, Flag(RegExists(ctx.platform.registry, HKCR, "\\CLSID", clsid, "Key")));
            },
            [=](ProgramContext& ctx, const BackupSource& b) {
                if (b.read(kExplorer, key) == "false") RegDeleteKeyTree(ctx.platform.registry, HKCR, "\\CLSID\\" + clsid);
                else RecreateVideoHandler(ctx, clsid, description);
            }},
                      {{kExplorer, key}}), {}, {{kExplorer + "." + key, HKCR, "\\CLSID\\" + clsid}});
}

std::vector<BackupEntry> SystemEntries() {
    std::vector<BackupEntry> e;
    e.push_back(Value(kSystem, "1", HKLM, MM, "DisablePagingExecutive", "DWORD"));
    e.push_back(Value(kSystem, "2", HKLM, MM, "LargeSystemCache", "DWORD"));
    // The Windows subsystem: NT does not start without it. The item changes
    // only its heap sizes, so a restore puts back only those, into the line
    // as it is now (its server DLLs and the rest belong to this Windows), and
    // never deletes or empties it.
    e.push_back(AlwaysHeld({[](ProgramContext& ctx, const BackupRecorder& rec) {
                                rec(kSystem, "3", Read(ctx, HKLM, SUBSYSTEMS, "Windows", kind::kString));
                            },
                            [](ProgramContext& ctx, const BackupSource& b) {
                                const std::string now = Read(ctx, HKLM, SUBSYSTEMS, "Windows", kind::kString);
                                const auto line = WithSharedSectionOf(now, b.read(kSystem, "3"));
                                if (line && *line != now) Write(ctx, HKLM, SUBSYSTEMS, "Windows", kind::kExString, *line);
                            }},
                           {{kSystem, "3"}}, "NT"));
    e.push_back(Value(kSystem, "4", HKLM, MM, "IoPageLockLimit", "DWORD"));
    e.push_back(Value(kSystem, "5", HKLM, "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "IRQ8Priority", "DWORD"));
    e.push_back(Value(kSystem, "6", HKLM, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "AlwaysUnloadDLL",
                      "DWORD"));
    BackupEntry usb{[](ProgramContext& ctx, const BackupRecorder& rec) {
                     const auto keys = UsbControllerKeys(ctx);
                     for (size_t n = 0; n < keys.size(); ++n)
                         rec(kSystem, "7." + std::to_string(n), Read(ctx, HKLM, keys[n], "IdleEnable", kind::kDword));
                 },
                 [](ProgramContext& ctx, const BackupSource& b) {
                     const auto keys = UsbControllerKeys(ctx);
                     for (size_t n = 0; n < keys.size(); ++n)
                         Write(ctx, HKLM, keys[n], "IdleEnable", kind::kDword, b.read(kSystem, "7." + std::to_string(n)));
                 }};
    usb.kinds = [](const OsEdition&, const BackupSource& b) { return EveryKey(b, kSystem, "7.", kind::kDword); };
    e.push_back(std::move(usb));
    e.push_back(Value(kSystem, "8", HKCU, POLICIES, "NoLowDiskSpaceChecks", "DWORD"));
    // Item 9: the component lines the item changed, as kept in the preferences.
    e.push_back({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     Preferences prefs = PreferencesOf(ctx);
                     for (const auto& key : prefs.Keys(prefkey::kSystem9Memory))
                         rec(kSystem9, key, prefs.Read(prefkey::kSystem9Memory, key));
                 },
                 [](ProgramContext& ctx, const BackupSource& b) {
                     if (!FileThere(ctx, ctx.paths.sysocFilePath)) {
                         ctx.platform.prompts.Error(kSysocMissingMessage);
                         return;
                     }
                     Preferences prefs = PreferencesOf(ctx);
                     FileSystem& files = ctx.platform.files;
                     const auto kept = b.keys(kSystem9);
                     if (!kept.empty()) {
                         for (const auto& key : kept) {
                             const std::string line = b.read(kSystem9, key);
                             if (text::AsciiLower(line).find("hide") == std::string::npos) continue;
                             prefs.Write(prefkey::kSystem9Memory, key, line);
                             IniWriteExistingValue(files, ctx.paths.sysocFilePath, SYSOC_COMPONENTS, key, WithoutHideFlag(line));
                         }
                         return;
                     }
                     for (const auto& key : prefs.Keys(prefkey::kSystem9Memory)) {
                         IniWriteExistingValue(files, ctx.paths.sysocFilePath, SYSOC_COMPONENTS, key,
                                               prefs.Read(prefkey::kSystem9Memory, key));
                         prefs.Delete(prefkey::kSystem9Memory, key);
                     }
                 }});
    e.push_back(Value(kSystem, "10", HKLM, "\\SOFTWARE\\Policies\\Microsoft\\Windows\\WindowsUpdate", "DoNotAllowSP",
                      "DWORD"));
    return e;
}
std::vector<BackupEntry> DesktopEntries() {
    std::vector<BackupEntry> e;
    e.push_back(Value(kDesktop, "1", HKCU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
                      "EnableBalloonTips", "DWORD"));
    e.push_back(Value(kDesktop, "2", HKCU, DESK, "MenuShowDelay", "String"));
    e.push_back(Value(kDesktop, "3", HKCU, POLICIES, "NoSimpleStartMenu", "DWORD"));
    e.push_back(Value(kDesktop, "4", HKLM, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer",
                      "Max Cached Icons", "String"));
    e.push_back(Value(kDesktop, "5a", HKCU, POLICIES, "NoActiveDesktop", "DWORD"));
    e.push_back(Value(kDesktop, "5b", HKCU, POLICIES, "NoActiveDesktopChanges", "DWORD"));
    e.push_back(Value(kDesktop, "6a", HKCU, POLICIES, "ClassicShell", "DWORD"));
    e.push_back(Value(kDesktop, "6b", HKCU, POLICIES, "NoCustomizeWebView", "DWORD"));
    // Wallpaper: the one now in place is kept for the item, as optimising it would.
    const auto keepWallpaper = [](ProgramContext& ctx, const BackupSource&) {
        PreferencesOf(ctx).Write(prefkey::kDesktopMemory, "7", Read(ctx, HKCU, DESK, "Wallpaper", kind::kString));
    };
    e.push_back(KeptExactly({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kDesktop, "7", Read(ctx, HKCU, DESK, "Wallpaper", kind::kString));
                 },
                 [keepWallpaper](ProgramContext& ctx, const BackupSource& b) {
                     keepWallpaper(ctx, b);
                     const std::string v = b.read(kDesktop, "7");
                     Write(ctx, HKCU, DESK, "Wallpaper", kind::kString, v == NULLT ? std::string() : v);
                 }}, {{kDesktop + ".7", HKCU, DESK, "Wallpaper"}}, {}, keepWallpaper));
    e.push_back(Value(kDesktop, "8", HKCU, POLICIES, "NoInstrumentation", "DWORD"));
    const auto restartShell = [](ProgramContext& ctx, const BackupSource& b) {
        if (b.read(kDesktop, "9a") == "false" && b.read(kDesktop, "9b") == "false" &&
            ctx.platform.prompts.Confirm("\r\n[デスクトップ]⑨を有効にするために、Explorer.exeを再起動しますか？"))
            ctx.platform.processes.RestartExplorer();
    };
    e.push_back(KeptExactly(AlwaysHeld({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kDesktop, "9a", Flag(RegExists(ctx.platform.registry, HKCU, TRAY, "IconStreams", "Value")));
                     rec(kDesktop, "9b", Flag(RegExists(ctx.platform.registry, HKCU, TRAY, "PastIconsStream", "Value")));
                 },
                 [restartShell](ProgramContext& ctx, const BackupSource& b) {
                     if (b.read(kDesktop, "9a") != "false" || b.read(kDesktop, "9b") != "false") return;
                     RegDeleteValue(ctx.platform.registry, HKCU, TRAY, "IconStreams");
                     RegDeleteValue(ctx.platform.registry, HKCU, TRAY, "PastIconsStream");
                     restartShell(ctx, b);
                 }},
                           {{kDesktop, "9a"}, {kDesktop, "9b"}}),
                            {{kDesktop + ".9a", HKCU, TRAY, "IconStreams"}, {kDesktop + ".9b", HKCU, TRAY, "PastIconsStream"}},
                            {}, nullptr, restartShell));
    e.push_back(SecurityCenterEntry());
    return e;
}

std::vector<BackupEntry> ExplorerEntries() {
    std::vector<BackupEntry> e;
    e.push_back(Value(kExplorer, "1", HKCU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState",
                      "Use Search Asst", "String"));
    e.push_back(Value(kExplorer, "2", HKLM, "\\System\\CurrentControlSet\\Control\\Update", "UpdateMode", "DWORD"));
    e.push_back(KeptExactly(AlwaysHeld({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kExplorer, "3", Flag(RegExists(ctx.platform.registry, HKLM, NAMESPACE, TASKS, "Key")));
                 },
                 [](ProgramContext& ctx, const BackupSource& b) {
                     if (b.read(kExplorer, "3") == "false") RegDeleteKeyTree(ctx.platform.registry, HKLM, NAMESPACE + "\\" + TASKS);
                     else Write(ctx, HKLM, NAMESPACE + "\\" + TASKS, "", kind::kString, "タスク");
                 }},
                           {{kExplorer, "3"}}), {}, {{kExplorer + ".3", HKLM, NAMESPACE + "\\" + TASKS}}));
    const std::string exu = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
    e.push_back(KeptExactly({[exu](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kExplorer, "4", Read(ctx, HKCU, exu, "DesktopProcess", kind::kDword));
                 },
                 [exu](ProgramContext& ctx, const BackupSource& b) {
                     Write(ctx, HKCU, exu, "DesktopProcess", kind::kDword, b.read(kExplorer, "4") == NULLT ? NULLT : "1");
                 }}, {{kExplorer + ".4", HKCU, exu, "DesktopProcess"}}));
    const std::string fs = "\\SYSTEM\\CurrentControlSet\\Control\\FileSystem";
    e.push_back(Value(kExplorer, "5", HKLM, fs, "NtfsDisableLastAccessUpdate", "DWORD"));
    e.push_back(Value(kExplorer, "6", HKLM, fs, "NtfsDisable8dot3NameCreation", "DWORD"));
    e.push_back(VideoHandler("7a", "{87D62D94-71B3-4b9a-9489-5FE6850DC73E}", "Avi Properties Handler"));
    e.push_back(VideoHandler("7b", "{40C3D757-D6E4-4b49-BB41-0E5BBEA28817}", "Video Media Properties Handler"));
    e.push_back({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kExplorer, "8", PreferencesOf(ctx).Read(prefkey::kExplorerMemory, "8"));
                 },
                 [](ProgramContext& ctx, const BackupSource& b) {
                     const bool off = b.read(kExplorer, "8") == "true";
                     PreferencesOf(ctx).Write(prefkey::kExplorerMemory, "8", off ? "true" : "false");
                     RegisterCompressedFolders(ctx, !off);
                 }});
    e.push_back(Value(kExplorer, "9", HKCU, POLICIES, "NoThumbnailCache", "DWORD"));
    // Two double quotes are recorded as such and read back empty: put them back.
    const std::string tb = "\\Software\\Microsoft\\Internet Explorer\\Toolbar";
    e.push_back(KeptExactly({[tb](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kExplorer, "10", Read(ctx, HKCU, tb, "LinksFolderName", kind::kString));
                 },
                 [tb](ProgramContext& ctx, const BackupSource& b) {
                     const std::string v = b.read(kExplorer, "10");
                     Write(ctx, HKCU, tb, "LinksFolderName", kind::kString, v.empty() ? "\"\"" : v);
                 }}, {{kExplorer + ".10", HKCU, tb, "LinksFolderName"}}));
    return e;
}

std::vector<BackupEntry> PowerEntries() {
    std::vector<BackupEntry> e;
    const std::string ctrl = "\\SYSTEM\\CurrentControlSet\\Control";
    e.push_back(Value(kPower, "1", HKLM, "\\SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", "Enable", "String"));
    e.push_back(Value(kPower, "2", HKLM, ctrl, "WaitToKillServiceTimeout", "String", "String", "20000"));
    e.push_back(Value(kPower, "3", HKCU, POLICIES, "ClearRecentDocsOnExit", "DWORD"));
    e.push_back(Value(kPower, "4", HKLM, "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                      "KeepRasConnections", "String"));
    e.push_back({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     FileSystem& files = ctx.platform.files;
                     const std::string& boot = ctx.paths.bootFilePath;
                     rec(kPower, "5", Is9x(ctx) ? IniReadValue(files, boot, "Options", "Logo")
                                                : IniReadRawValue(files, boot, "operating systems", BootDefaultKey(ctx)));
                 },
                 // The boot file's entries are rewritten from a recorded text, never emptied.
                 [](ProgramContext& ctx, const BackupSource& b) {
                     if (!FileThere(ctx, ctx.paths.bootFilePath)) return ShowMissingFile(ctx, "起動・終了]5");
                     FileSystem& files = ctx.platform.files;
                     const std::string v = b.read(kPower, "5");
                     if (Is9x(ctx)) {
                         if (v.empty()) return;
                         if (v == NULLT && RecordsAbsence(b)) return IniDeleteKey(files, ctx.paths.bootFilePath, "Options", "Logo");
                         IniWriteExistingValue(files, ctx.paths.bootFilePath, "Options", "Logo", v == NULLT ? "1" : v);
                         return;
                     }
                     const std::string entry = BootDefaultKey(ctx);
                     if (IsRecordedText(v) && IsRecordedText(entry))
                         IniWriteExistingValue(files, ctx.paths.bootFilePath, "operating systems", entry, v);
                 }});
    e.push_back(Value(kPower, "6", HKCU, DESK, "AutoEndTasks", "String", "String", "0"));
    e.push_back(Value(kPower, "7", HKCU, DESK, "WaitToKillAppTimeout", "String", "String", "20000"));
    const std::string syspol = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\system";
    e.push_back(Value(kPower, "8a", HKLM, syspol, "SynchronousMachineGroupPolicy", "DWORD"));
    e.push_back(Value(kPower, "8b", HKLM, syspol, "SynchronousUserGroupPolicy", "DWORD"));
    e.push_back(Value(kPower, "9", HKLM, MM, "ClearPageFileAtShutdown", "DWORD"));
    e.push_back({[](ProgramContext& ctx, const BackupRecorder& rec) {
                     rec(kPower, "10", IniReadValue(ctx.platform.files, ctx.paths.bootFilePath, "boot loader", "timeout"));
                 },
                 [](ProgramContext& ctx, const BackupSource& b) {
                     if (!FileThere(ctx, ctx.paths.bootFilePath)) return ShowMissingFile(ctx, "起動・終了]10");
                     const std::string v = b.read(kPower, "10");
                     if (IsRecordedText(v)) IniWriteExistingValue(ctx.platform.files, ctx.paths.bootFilePath, "boot loader", "timeout", v);
                 }});
    return e;
}

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

BackupEntry PcInformationEntries() {
    return {[](ProgramContext& ctx, const BackupRecorder& rec) {
                const std::string owner = Is9x(ctx) ? "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion"
                                                    : "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
                rec(kPcInfo, "1", Read(ctx, HKLM, owner, "RegisteredOwner", kind::kString));
                rec(kPcInfo, "2", Read(ctx, HKLM, owner, "RegisteredOrganization", kind::kString));
                rec(kPcInfo, "3", Read(ctx, HKLM, "\\SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
                                       "ComputerName", kind::kString));
            },
            [](ProgramContext&, const BackupSource&) {}};  // a restore leaves the PC information alone
}
}  // namespace

std::vector<BackupEntry> BackupEntries() {
    std::vector<BackupEntry> all;
    for (auto part : {SystemEntries(), DesktopEntries(), ExplorerEntries(), PowerEntries(), OthersEntries()})
        for (auto& entry : part) all.push_back(std::move(entry));
    all.push_back(ServicesPageEntry());
    all.push_back(PcInformationEntries());
    return all;
}

BackupSource SourceOf(const profile::ProfileDocument& doc) {
    return {[&doc](const std::string& section, const std::string& key) {
                return doc.Read(section, key).value_or(std::string(kNullText));
            },
            [&doc](const std::string& section) { return doc.Keys(section); }};
}

std::string DamagedRow(const OsEdition& os, const BackupSource& backup) {
    for (const auto& entry : BackupEntries()) {
        if (!entry.kinds) continue;
        for (const auto& k : entry.kinds(os, backup))
            if (const std::string text = backup.read(k.section, k.key); !FitsKind(k.kind, text))
                return "[" + k.section + "] " + k.key + "=" + text;
    }
    return DamagedExactRow(backup);
}

std::vector<BackupKey> KeysEveryBackupHolds(const OsEdition& os) {
    std::vector<BackupKey> keys;
    for (const auto& entry : BackupEntries())
        if (entry.alwaysHeld)
            for (auto& key : entry.alwaysHeld(os)) keys.push_back(std::move(key));
    return keys;
}

}  // namespace brisko
