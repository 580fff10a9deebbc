#include "engine/explorer_items.h"

#include "engine/program_context.h"
#include "engine/value_item.h"
#include "platform/modern_windows.h"
#include "platform/registry_values.h"
#include "platform/value_text.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"

namespace brisko {

namespace {
const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;
const RegRoot HKCR = RegRoot::ClassesRoot;
const std::string CAB = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState";
const std::string UPD = "\\System\\CurrentControlSet\\Control\\Update";
const std::string NS = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace";
const std::string EXU = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string FS = "\\SYSTEM\\CurrentControlSet\\Control\\FileSystem";
const std::string CLS = "\\CLSID";
const std::string POL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string TB = "\\Software\\Microsoft\\Internet Explorer\\Toolbar";

const std::string TASKS = "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";
const std::string AVI_HANDLER = "{87D62D94-71B3-4b9a-9489-5FE6850DC73E}";
const std::string VIDEO_HANDLER = "{40C3D757-D6E4-4b49-BB41-0E5BBEA28817}";
const std::string SHMEDIA = "%SystemRoot%\\System32\\shmedia.dll";

constexpr std::string_view DWORD_KIND = kind::kDword;
constexpr std::string_view STRING_KIND = kind::kString;

struct ValueText {
    std::string keyPath, name;
    std::string_view kindTag;
    std::string text;
};

// Subkeys of one parent that the optimised machine lacks: optimising deletes
// each with everything below it, undoing writes the values that make them up.
class AbsentKeysRule final : public ItemRule {
public:
    AbsentKeysRule(RegRoot root, std::string parent, std::vector<std::string> subkeys, std::vector<ValueText> rebuild)
        : root_(root), parent_(std::move(parent)), subkeys_(std::move(subkeys)), rebuild_(std::move(rebuild)) {}

    bool IsOptimised(ProgramContext& ctx) const override {
        for (const auto& sub : subkeys_)
            if (RegExists(ctx.platform.registry, root_, parent_, sub, "Key")) return false;
        return true;
    }
    ApplyOutcome Optimise(ProgramContext& ctx) override {
        for (const auto& sub : subkeys_) RegDeleteKeyTree(ctx.platform.registry, root_, parent_ + "\\" + sub);
        return ApplyOutcome::Applied;
    }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override {
        for (const auto& v : rebuild_) RegWriteValue(ctx.platform.registry, root_, v.keyPath, v.name, v.kindTag, v.text);
        return ApplyOutcome::Applied;
    }

private:
    RegRoot root_;
    std::string parent_;
    std::vector<std::string> subkeys_;
    std::vector<ValueText> rebuild_;
};

// Item 3: the scheduled-tasks folder shown for another computer's shares.
std::unique_ptr<ItemRule> RemoteTasksRule() {
    return std::make_unique<AbsentKeysRule>(HKLM, NS, std::vector<std::string>{TASKS},
                                            std::vector<ValueText>{{NS + "\\" + TASKS, "", STRING_KIND, "タスク"}});
}

// Item 7: the two video property handlers of the shell.
std::unique_ptr<ItemRule> VideoPropertyHandlersRule() {
    const std::string avi = CLS + "\\" + AVI_HANDLER, video = CLS + "\\" + VIDEO_HANDLER;
    return std::make_unique<AbsentKeysRule>(
        HKCR, CLS, std::vector<std::string>{AVI_HANDLER, VIDEO_HANDLER},
        std::vector<ValueText>{
            {avi, "", STRING_KIND, "Avi Properties Handler"},
            {avi + "\\InProcServer32", "", kind::kExString, SHMEDIA},
            {avi + "\\InProcServer32", "ThreadingModel", STRING_KIND, "Both"},
            {video, "", STRING_KIND, "Video Media Properties Handler"},
            {video + "\\InProcServer32", "", kind::kExString, SHMEDIA},
            {video + "\\InProcServer32", "ThreadingModel", STRING_KIND, "Both"},
        });
}

// Item 8: the cabinet and zip folder handlers. Their registration cannot be
// read back, so what was last applied is kept in the preferences.
class CompressedFoldersRule final : public ItemRule {
public:
    bool IsOptimised(ProgramContext& ctx) const override {
        return PreferencesOf(ctx).Read(prefkey::kExplorerMemory, kKey) == "true";
    }
    ApplyOutcome Optimise(ProgramContext& ctx) override { return Register(ctx, false); }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override { return Register(ctx, true); }

private:
    static constexpr const char* kKey = "8";
    static ApplyOutcome Register(ProgramContext& ctx, bool registered) {
        PreferencesOf(ctx).Write(prefkey::kExplorerMemory, kKey, registered ? "false" : "true");
        RegisterCompressedFolders(ctx, registered);
        return ApplyOutcome::Applied;
    }
};
}  // namespace

void RegisterCompressedFolders(ProgramContext& ctx, bool registered) {
    const std::string folder = ctx.paths.windowsFolder == kNullText
                                   ? std::string()
                                   : ctx.paths.windowsFolder + (ctx.os.family == "9x" ? "\\SYSTEM\\" : "\\system32\\");
    const std::string command = (registered ? "regsvr32 /s \"" : "regsvr32 /u /s \"") + folder;
    ctx.platform.processes.RunHidden(command + "cabview.dll\"");
    if (ctx.os.edition != "Me") ctx.platform.processes.RunHidden(command + "zipfldr.dll\"");  // Me has no zip folders
}

std::vector<std::unique_ptr<ItemRule>> MakeExplorerRules() {
    std::vector<std::unique_ptr<ItemRule>> rules;
    rules.push_back(ValueItem(HKCU, CAB, {"Use Search Asst"}, STRING_KIND, Write("no"), Delete(), {"no"}));
    rules.push_back(ValueItem(HKLM, UPD, {"UpdateMode"}, DWORD_KIND, Write("1"), Write("0"), {"1"}));
    rules.push_back(RemoteTasksRule());
    rules.push_back(ValueItem(HKCU, EXU, {"DesktopProcess"}, DWORD_KIND, Delete(), Write("1"), {"0", "NULL"}));
    // Windows 10 1803 and later keep the setting with the top bit set:
    // 0x80000001 (set by the user) and 0x80000003 (managed by the system)
    // both mean that last-access updates are off.
    rules.push_back(ValueItem(HKLM, FS, {"NtfsDisableLastAccessUpdate"}, DWORD_KIND, Write("1"), Delete(),
                              {"1", "-2147483647", "-2147483645"}));
    // Undone, Windows 8 and later go back to their own default, a choice per
    // volume (2); 0 would turn short names on for every volume.
    rules.push_back(std::make_unique<EditionRule>(
        [](const ProgramContext& ctx) { return IsModernWindows(ctx.platform.system.Version()); },
        ValueItem(HKLM, FS, {"NtfsDisable8dot3NameCreation"}, DWORD_KIND, Write("1"), Write("2"), {"1"}),
        ValueItem(HKLM, FS, {"NtfsDisable8dot3NameCreation"}, DWORD_KIND, Write("1"), Write("0"), {"1"})));
    rules.push_back(VideoPropertyHandlersRule());
    rules.push_back(std::make_unique<CompressedFoldersRule>());
    rules.push_back(ValueItem(HKCU, POL, {"NoThumbnailCache"}, DWORD_KIND, Write("1"), Delete(), {"1"}));
    rules.push_back(ValueItem(HKCU, TB, {"LinksFolderName"}, STRING_KIND, Write("\"\""), Write("リンク"), {"\"\""}));
    return rules;
}

}  // namespace brisko
