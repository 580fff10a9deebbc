// The backup rows of Explorer: search, the Tasks folder, the video property handlers, the zip
// folders, the links folder.
#include "backup/backup_rows.h"

#include "engine/explorer_items.h"

#include "engine/program_preferences.h"
#include "prefs/preference_keys.h"

namespace brisko::backup_rows {

namespace {
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
}  // namespace

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

}  // namespace brisko::backup_rows
