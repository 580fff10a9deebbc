#include "engine/system_items.h"

#include "engine/program_context.h"
#include "engine/value_rule.h"
#include "platform/profile/profile_file.h"
#include "platform/registry_values.h"
#include "platform/text/case_fold.h"
#include "platform/value_text.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"
#include "engine/usb_controllers.h"

namespace brisko {

namespace {
const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;
const std::string MM = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const std::string SUB = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems";
const std::string PRIO = "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl";
const std::string EXPL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string POL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string WU = "\\SOFTWARE\\Policies\\Microsoft\\Windows\\WindowsUpdate";
const std::string DWORD_KIND(kind::kDword);

std::unique_ptr<ItemRule> Dword(RegRoot root, const std::string& key, const char* name, ValueAction optimise,
                                ValueAction undo, std::vector<std::string> optimisedWhen) {
    return std::make_unique<ValueRule>(ValuesOf(root, key, {name}, DWORD_KIND), std::move(optimise), std::move(undo),
                                       ReadsOneOf(std::move(optimisedWhen)));
}

// Position of the first occurrence of needle in text, ignoring ASCII case.
size_t FindNoCase(const std::string& textValue, const std::string& needle) {
    return text::AsciiLower(textValue).find(text::AsciiLower(needle));
}

// Position of the first occurrence of a number as a whole number, not as part
// of a longer one: "2048" is not in "20480" (the 64-bit default heap).
size_t FindNumber(const std::string& s, const std::string& number) {
    auto digit = [&](size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
    for (size_t at = s.find(number); at != std::string::npos; at = s.find(number, at + 1))
        if ((at == 0 || !digit(at - 1)) && !digit(at + number.size())) return at;
    return std::string::npos;
}

std::string ReplaceFirst(const std::string& s, const std::string& from, const std::string& to) {
    const size_t at = FindNumber(s, from);
    return at == std::string::npos ? s : s.substr(0, at) + to + s.substr(at + from.size());
}

// Where the numbers of "SharedSection=" stand in a command line: from, to.
std::optional<std::pair<size_t, size_t>> SharedSectionNumbers(const std::string& line) {
    const std::string word = "sharedsection=";
    const std::string lower = text::AsciiLower(line);
    for (size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
        if (at > 0 && line[at - 1] != ' ' && line[at - 1] != '\t') continue;
        const size_t from = at + word.size();
        const size_t to = line.find_first_not_of("0123456789,", from);
        const size_t end = to == std::string::npos ? line.size() : to;
        if (end == from || (end < line.size() && line[end] != ' ' && line[end] != '\t')) return std::nullopt;
        return std::pair{from, end};
    }
    return std::nullopt;
}
}  // namespace

std::optional<std::string> WithSharedSectionOf(const std::string& line, const std::string& from) {
    const auto here = SharedSectionNumbers(line), there = SharedSectionNumbers(from);
    if (!here || !there) return std::nullopt;
    return line.substr(0, here->first) + from.substr(there->first, there->second - there->first) +
           line.substr(here->second);
}

std::string WithoutHideFlag(const std::string& line) {
    const size_t at = FindNoCase(line, "hide");
    return at == std::string::npos ? line : line.substr(0, at) + line.substr(at + 4);
}

namespace {
// Item 3: the desktop heap sizes inside the "Windows" subsystem command line.
class DesktopHeapRule final : public ItemRule {
public:
    bool IsOptimised(ProgramContext& ctx) const override { return FindNumber(Read(ctx), "2048") != std::string::npos; }
    ApplyOutcome Optimise(ProgramContext& ctx) override { return Replace(ctx, "3072", "2048"); }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override { return Replace(ctx, "2048", "3072"); }

private:
    static std::string Read(ProgramContext& ctx) {
        return RegReadValue(ctx.platform.registry, HKLM, SUB, "Windows", kind::kString);
    }
    static ApplyOutcome Replace(ProgramContext& ctx, const char* from, const char* to) {
        const std::string value = Read(ctx);
        const bool sentinel = value == kNullText || value == kUnfitType;
        RegWriteValue(ctx.platform.registry, HKLM, SUB, "Windows", kind::kExString,
                      sentinel ? value : ReplaceFirst(value, from, to));
        return ApplyOutcome::Applied;
    }
};

// Item 7: "IdleEnable" in every USB controller subkey "0000", "0001", ...
class UsbPollingRule final : public ItemRule {
public:
    bool IsOptimised(ProgramContext& ctx) const override {
        for (const auto& key : UsbControllerKeys(ctx))
            if (RegReadValue(ctx.platform.registry, HKLM, key, "IdleEnable", kind::kDword) != "1") return false;
        return true;
    }
    ApplyOutcome Optimise(ProgramContext& ctx) override {
        for (const auto& key : UsbControllerKeys(ctx))
            RegWriteValue(ctx.platform.registry, HKLM, key, "IdleEnable", kind::kDword, "1");
        return ApplyOutcome::Applied;
    }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override {
        for (const auto& key : UsbControllerKeys(ctx)) RegDeleteValue(ctx.platform.registry, HKLM, key, "IdleEnable");
        return ApplyOutcome::Applied;
    }
};

// Item 9: optional components hidden in sysoc.inf. The lines it changes are
// kept in the preferences until it is undone.
class HiddenComponentsRule final : public ItemRule {
public:
    bool IsOptimised(ProgramContext& ctx) const override {
        const std::string& sysoc = ctx.paths.sysocFilePath;
        FileSystem& files = ctx.platform.files;
        for (const auto& key : IniSectionKeys(files, sysoc, kComponents))
            if (FindNoCase(IniReadValue(files, sysoc, kComponents, key), "hide") != std::string::npos) return false;
        return true;
    }
    ApplyOutcome Optimise(ProgramContext& ctx) override {
        if (!SysocKnown(ctx)) return ApplyOutcome::GaveUp;
        const std::string& sysoc = ctx.paths.sysocFilePath;
        FileSystem& files = ctx.platform.files;
        Preferences prefs = PreferencesOf(ctx);
        for (const auto& key : IniSectionKeys(files, sysoc, kComponents)) {
            const std::string line = IniReadValue(files, sysoc, kComponents, key);
            if (FindNoCase(line, "hide") == std::string::npos) continue;
            prefs.Write(prefkey::kSystem9Memory, key, line);
            IniWriteExistingValue(files, sysoc, kComponents, key, WithoutHideFlag(line));
        }
        return ApplyOutcome::Applied;
    }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override {
        if (!SysocKnown(ctx)) return ApplyOutcome::GaveUp;
        Preferences prefs = PreferencesOf(ctx);
        for (const auto& key : prefs.Keys(prefkey::kSystem9Memory)) {
            IniWriteExistingValue(ctx.platform.files, ctx.paths.sysocFilePath, kComponents, key,
                          prefs.Read(prefkey::kSystem9Memory, key));
            prefs.Delete(prefkey::kSystem9Memory, key);
        }
        return ApplyOutcome::Applied;
    }

private:
    static constexpr const char* kComponents = "Components";
    static bool SysocKnown(ProgramContext& ctx) {
        // Never created: a sysoc.inf that is not there now counts as not found.
        if (ctx.paths.sysocFilePath != kNullText && ctx.platform.files.GetAttributes(ctx.paths.sysocFilePath)) return true;
        ctx.platform.prompts.Error(kSysocMissingMessage);
        return false;
    }
};
}  // namespace

std::vector<std::unique_ptr<ItemRule>> MakeSystemRules() {
    std::vector<std::unique_ptr<ItemRule>> rules;
    rules.push_back(Dword(HKLM, MM, "DisablePagingExecutive", Write("1"), Write("0"), {"1"}));
    rules.push_back(Dword(HKLM, MM, "LargeSystemCache", Write("1"), Write("0"), {"1"}));
    rules.push_back(std::make_unique<DesktopHeapRule>());
    rules.push_back(Dword(HKLM, MM, "IoPageLockLimit", Write("2097152"), Delete(), {"2097152"}));
    rules.push_back(Dword(HKLM, PRIO, "IRQ8Priority", Write("2"), Delete(), {"2"}));
    rules.push_back(Dword(HKLM, EXPL, "AlwaysUnloadDLL", Delete(), Write("1"), {"0", "NULL"}));
    rules.push_back(std::make_unique<UsbPollingRule>());
    rules.push_back(Dword(HKCU, POL, "NoLowDiskSpaceChecks", Write("1"), Delete(), {"1"}));
    rules.push_back(std::make_unique<HiddenComponentsRule>());
    rules.push_back(Dword(HKLM, WU, "DoNotAllowSP", Write("1"), Delete(), {"1"}));
    return rules;
}

}  // namespace brisko
