#include "engine/power_items.h"

#include "engine/program_context.h"
#include "engine/value_rule.h"
#include "platform/profile/profile_file.h"
#include "platform/text/case_fold.h"
#include "platform/value_text.h"

namespace brisko {

namespace {
const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;
const std::string DFRG = "\\SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction";
const std::string CTRL = "\\SYSTEM\\CurrentControlSet\\Control";
const std::string POL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string WINLOGON = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const std::string DESK = "\\Control Panel\\Desktop";
const std::string SYSPOL = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\system";
const std::string MM = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

const std::string kBootLoader = "boot loader";
const std::string kSystems = "operating systems";
const std::string kNoGuiBoot = " /noguiboot";

const char* const kLogoFileMissing =
    "[起動・終了]5 設定対象ファイルの検出に失敗しました。\r\n"
    "[オプション] から正しいファイルパスを設定することができます。";
const char* const kLogoEntryMissing =
    "[起動・終了]5 起動メニューの既定のエントリが見つかりません。\r\n"
    "設定対象ファイルの [boot loader] と [operating systems] を確認してください。";
const char* const kTimeoutFileMissing =
    "[起動・終了]10 設定対象ファイルの検出に失敗しました。\r\n"
    "[オプション] から正しいファイルパスを設定することができます。";

std::unique_ptr<ItemRule> One(RegRoot root, const std::string& key, const char* name, std::string_view kindTag,
                              ValueAction optimise, ValueAction undo, ReadTest optimised) {
    return std::make_unique<ValueRule>(ValuesOf(root, key, {name}, std::string(kindTag)), std::move(optimise),
                                       std::move(undo), std::move(optimised));
}

// Shutdown waits: at most 5000 ms counts as shortened; no number counts as 20000.
ReadTest ShortWait() { return NumberAtMost(5000, 20000); }

// One key of the boot file, written with a fixed text either way. A boot
// file that was not found, or is not there now, is never created: the item
// gives up with the missing-file message.
class BootKeyRule final : public ItemRule {
public:
    BootKeyRule(std::string section, std::string key, std::string optimised, std::string normal,
                const char* fileMissing)
        : section_(std::move(section)), key_(std::move(key)), optimised_(std::move(optimised)),
          normal_(std::move(normal)), fileMissing_(fileMissing) {}

    bool IsOptimised(ProgramContext& ctx) const override {
        return IniReadValue(ctx.platform.files, ctx.paths.bootFilePath, section_, key_) == optimised_;
    }
    ApplyOutcome Optimise(ProgramContext& ctx) override { return Put(ctx, optimised_); }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override { return Put(ctx, normal_); }

private:
    ApplyOutcome Put(ProgramContext& ctx, const std::string& text) const {
        const std::string& boot = ctx.paths.bootFilePath;
        if (boot == kNullText || !ctx.platform.files.GetAttributes(boot)) {
            ctx.platform.prompts.Error(fileMissing_);
            return ApplyOutcome::GaveUp;
        }
        IniWriteExistingValue(ctx.platform.files, boot, section_, key_, text);
        return ApplyOutcome::Applied;
    }

    std::string section_, key_, optimised_, normal_;
    const char* fileMissing_;
};

// Item 5 on the NT family: the " /noguiboot" switch of the default entry in
// boot.ini.
class NoGuiBootRule final : public ItemRule {
public:
    bool IsOptimised(ProgramContext& ctx) const override {
        const Entry e = Read(ctx);
        return text::AsciiLower(e.line).find(kNoGuiBoot) != std::string::npos;
    }
    ApplyOutcome Optimise(ProgramContext& ctx) override {
        return Edit(ctx, [](const std::string& line) { return line + kNoGuiBoot; });
    }
    // Removes the switch only as written here; another case stays.
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override {
        return Edit(ctx, [](std::string line) {
            if (const size_t at = line.find(kNoGuiBoot); at != std::string::npos) line.erase(at, kNoGuiBoot.size());
            return line;
        });
    }

private:
    struct Entry {
        std::string name, line;
    };
    static Entry Read(ProgramContext& ctx) {
        FileSystem& files = ctx.platform.files;
        const std::string& boot = ctx.paths.bootFilePath;
        const std::string name = IniReadValue(files, boot, kBootLoader, "default");
        // The entry as written, its quoted description included: the profile
        // read would take the quotes off an entry that has no switches.
        return {name, IniReadRawValue(files, boot, kSystems, name)};
    }
    template <typename Change>
    static ApplyOutcome Edit(ProgramContext& ctx, Change change) {
        if (ctx.paths.bootFilePath == kNullText) {
            ctx.platform.prompts.Error(kLogoFileMissing);
            return ApplyOutcome::ReportedError;  // counted as done, so it is not tried again
        }
        const Entry e = Read(ctx);
        // Without a default entry there is nothing to edit; writing would add
        // an entry named "NULL" to the boot menu.
        if (e.name == kNullText || e.line == kNullText) {
            ctx.platform.prompts.Error(kLogoEntryMissing);
            return ApplyOutcome::GaveUp;
        }
        IniWriteExistingValue(ctx.platform.files, ctx.paths.bootFilePath, kSystems, e.name, change(e.line));
        return ApplyOutcome::Applied;
    }
};

bool NineX(const ProgramContext& ctx) { return ctx.os.family == "9x"; }
}  // namespace

std::vector<std::unique_ptr<ItemRule>> MakePowerRules() {
    std::vector<std::unique_ptr<ItemRule>> rules;
    rules.push_back(One(HKLM, DFRG, "Enable", kind::kString, Write("Y"), Write("N"), ReadsOneOf({"Y"})));
    rules.push_back(One(HKLM, CTRL, "WaitToKillServiceTimeout", kind::kString, Write("5000"), Write("20000"),
                        ShortWait()));
    rules.push_back(One(HKCU, POL, "ClearRecentDocsOnExit", kind::kDword, Write("1"), Delete(), ReadsOneOf({"1"})));
    rules.push_back(One(HKLM, WINLOGON, "KeepRasConnections", kind::kString, Write("1"), Delete(), ReadsOneOf({"1"})));
    rules.push_back(std::make_unique<EditionRule>(
        NineX, std::make_unique<BootKeyRule>("Options", "Logo", "0", "1", kLogoFileMissing),
        std::make_unique<NoGuiBootRule>()));
    rules.push_back(One(HKCU, DESK, "AutoEndTasks", kind::kString, Write("1"), Write("0"), ReadsOneOf({"1"})));
    rules.push_back(One(HKCU, DESK, "WaitToKillAppTimeout", kind::kString, Write("5000"), Write("20000"), ShortWait()));
    rules.push_back(std::make_unique<ValueRule>(
        ValuesOf(HKLM, SYSPOL, {"SynchronousMachineGroupPolicy", "SynchronousUserGroupPolicy"},
                 std::string(kind::kDword)),
        Write("0"), Delete(), ReadsOneOf({"0"})));
    rules.push_back(One(HKLM, MM, "ClearPageFileAtShutdown", kind::kDword, Write("0"), Write("1"), ReadsOneOf({"0"})));
    rules.push_back(std::make_unique<BootKeyRule>(kBootLoader, "timeout", "5", "30", kTimeoutFileMissing));
    return rules;
}

}  // namespace brisko
