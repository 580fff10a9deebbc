#include "engine/others_items.h"

#include "engine/menu_mask.h"

#include <algorithm>
#include <cctype>

#include "engine/program_context.h"
#include "engine/value_rule.h"
#include "platform/error.h"
#include "platform/registry_values.h"
#include "platform/value_text.h"
#include "prefs/preference_keys.h"
#include "engine/program_preferences.h"
#include "engine/user_slots.h"

namespace brisko {

namespace {
const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;
const std::string WMP = "\\Software\\Microsoft\\MediaPlayer\\Preferences";
const std::string WMPFILES = "\\Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList";
const std::string WMPURLS = "\\Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList";
const std::string ERR = "\\SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting";
const std::string IEMAIN = "\\Software\\Microsoft\\Internet Explorer\\Main";
const std::string INET = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const std::string AU = "\\SOFTWARE\\Policies\\Microsoft\\Windows\\WindowsUpdate\\AU";
const std::string POL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string DESK = "\\Control Panel\\Desktop";
const std::string CDROM = "\\SYSTEM\\CurrentControlSet\\Services\\Cdrom";
const std::string EXPL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string OE = "\\SOFTWARE\\Microsoft\\Outlook Express";
const std::string EXT = "\\SOFTWARE\\Microsoft\\Internet Explorer\\Extensions";
const std::string MSGR = "{FB5F1910-F110-11d2-BB9E-00C04F795683}";
const std::string MSGR_OFF = ";" + MSGR;
const std::string DWORD_KIND(kind::kDword);
const std::string BINARY_KIND(kind::kBinary);
const char* const kMenuMaskKey = "6";

std::unique_ptr<ItemRule> Dword(RegRoot root, const std::string& key, std::vector<std::string> names,
                                ValueAction optimise, ValueAction undo, ReadTest optimised) {
    return std::make_unique<ValueRule>(ValuesOf(root, key, std::move(names), DWORD_KIND), std::move(optimise),
                                       std::move(undo), std::move(optimised));
}

bool IsXp(const ProgramContext& ctx) { return ctx.os.edition == "XP"; }
bool NineX(const ProgramContext& ctx) { return ctx.os.family == "9x"; }

// Item 1: the player's history lists go before the switch is set.
class PlayerHistoryRule final : public ItemRule {
public:
    bool IsOptimised(ProgramContext& ctx) const override { return switch_->IsOptimised(ctx); }
    ApplyOutcome Optimise(ProgramContext& ctx) override {
        RegDeleteKeyTree(ctx.platform.registry, HKCU, WMPFILES);
        RegDeleteKeyTree(ctx.platform.registry, HKCU, WMPURLS);
        return switch_->Optimise(ctx);
    }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override { return switch_->ApplyDefault(ctx); }

private:
    std::unique_ptr<ItemRule> switch_ = Dword(HKCU, WMP, {"DisableMRU"}, Write("1"), Write("0"), ReadsOneOf({"1"}));
};

// Items whose actions write other values than the one detection reads.
struct Step {
    RegistryValue value;
    ValueAction action;
};

class StepsRule final : public ItemRule {
public:
    StepsRule(RegistryValue probe, ReadTest optimised, std::vector<Step> optimise, std::vector<Step> undo)
        : probe_(std::move(probe)), optimised_(std::move(optimised)), optimise_(std::move(optimise)),
          undo_(std::move(undo)) {}
    bool IsOptimised(ProgramContext& ctx) const override {
        return optimised_(RegReadValue(ctx.platform.registry, probe_.root, probe_.keyPath, probe_.name, probe_.kind));
    }
    ApplyOutcome Optimise(ProgramContext& ctx) override { return Run(ctx, optimise_); }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override { return Run(ctx, undo_); }
    std::vector<RegistryValue> OptimisedValues(const ProgramContext&) const override {
        std::vector<RegistryValue> values;
        for (const Step& s : optimise_) values.push_back(s.value);
        return values;
    }

private:
    static ApplyOutcome Run(ProgramContext& ctx, const std::vector<Step>& steps) {
        for (const Step& s : steps) {
            const RegistryValue& v = s.value;
            if (s.action.remove) RegDeleteValue(ctx.platform.registry, v.root, v.keyPath, v.name);
            else RegWriteValue(ctx.platform.registry, v.root, v.keyPath, v.name, v.kind, s.action.text);
        }
        return ApplyOutcome::Applied;
    }
    RegistryValue probe_;
    ReadTest optimised_;
    std::vector<Step> optimise_, undo_;
};

// Item 7 on the NT family: undoing turns CD AutoRun back on, then restores
// the edition's own drive-type mask.
std::unique_ptr<ItemRule> NtAutoPlay(const char* defaultMask) {
    const RegistryValue mask{HKCU, POL, "NoDriveTypeAutoRun", DWORD_KIND};
    const RegistryValue cdAutoRun{HKLM, CDROM, "AutoRun", DWORD_KIND};
    return std::make_unique<StepsRule>(mask, ReadsOneOf({"255"}), std::vector<Step>{{mask, Write("255")}},
                                       std::vector<Step>{{cdAutoRun, Write("1")}, {mask, Write(defaultMask)}});
}

// Item 7's mask lies under Policies. Windows' own profiles hold it, and
// undoing puts the edition's mask back; but where optimising made it, undoing
// deletes it again, so that no policy value of ours stays behind (Settings
// on newer Windows tells of an organisation while one is there).
class MadeMaskRule final : public ItemRule {
public:
    explicit MadeMaskRule(std::unique_ptr<ItemRule> inner) : inner_(std::move(inner)) {}
    bool IsOptimised(ProgramContext& ctx) const override { return inner_->IsOptimised(ctx); }
    ApplyOutcome Optimise(ProgramContext& ctx) override {
        const bool made = !RegExists(ctx.platform.registry, HKCU, POL, kMask, "Value");
        if (made) WriteUserSlot(ctx, prefkey::kOthersMemory, kKey, kMade);
        else DeleteUserSlot(ctx, prefkey::kOthersMemory, kKey);
        return inner_->Optimise(ctx);
    }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override {
        const ApplyOutcome outcome = inner_->ApplyDefault(ctx);
        if (ReadUserSlot(ctx, prefkey::kOthersMemory, kKey) == kMade) {
            RegDeleteValue(ctx.platform.registry, HKCU, POL, kMask);
            DeleteUserSlot(ctx, prefkey::kOthersMemory, kKey);
        }
        return outcome;
    }
    std::vector<RegistryValue> OptimisedValues(const ProgramContext& ctx) const override {
        return inner_->OptimisedValues(ctx);
    }

private:
    static constexpr const char* kMask = "NoDriveTypeAutoRun";
    static constexpr const char* kKey = "7";
    static constexpr const char* kMade = "made";  // remembered until undone
    std::unique_ptr<ItemRule> inner_;
};

// Item 6: the menu animation bits of the user preference mask. The mask it
// replaces is kept in the preferences (whole, however long: see menu_mask.h)
// and put back by the default action.
class MenuAnimationRule final : public ItemRule {
public:
    bool IsOptimised(ProgramContext& ctx) const override {
        return RegReadValue(ctx.platform.registry, HKCU, DESK, MenuMaskName(ctx), kind::kBinary) == "000000B0";
    }
    ApplyOutcome Optimise(ProgramContext& ctx) override {
        const std::string kept = ReadMenuMask(ctx);
        WriteUserSlot(ctx, prefkey::kOthersMemory, kMenuMaskKey, kept);
        RegWriteValue(ctx.platform.registry, HKCU, DESK, MenuMaskName(ctx), kind::kBinary, "000000B0");
        return ApplyOutcome::Applied;
    }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override {
        WriteMenuMask(ctx, ReadUserSlot(ctx, prefkey::kOthersMemory, kMenuMaskKey));
        return ApplyOutcome::Applied;
    }
};

// Item 10: the Messenger extension is switched off by renaming its key.
class MessengerRule final : public ItemRule {
public:
    bool IsOptimised(ProgramContext& ctx) const override {
        return !RegExists(ctx.platform.registry, HKLM, EXT, MSGR, "Key");
    }
    ApplyOutcome Optimise(ProgramContext& ctx) override { return Move(ctx, MSGR, MSGR_OFF); }
    ApplyOutcome ApplyDefault(ProgramContext& ctx) override { return Move(ctx, MSGR_OFF, MSGR); }

private:
    static ApplyOutcome Move(ProgramContext& ctx, const std::string& from, const std::string& to) {
        RegMoveKey(ctx.platform.registry, HKLM, EXT + "\\" + from, EXT + "\\" + to);
        return ApplyOutcome::Applied;
    }
};
}  // namespace

std::vector<std::unique_ptr<ItemRule>> MakeOthersRules() {
    std::vector<std::unique_ptr<ItemRule>> rules;
    rules.push_back(std::make_unique<PlayerHistoryRule>());
    rules.push_back(std::make_unique<EditionRule>(
        IsXp, Dword(HKLM, ERR, {"DoReport"}, Write("0"), Write("1"), ReadsOneOf({"0"})),
        Dword(HKLM, IEMAIN, {"IEWatsonEnabled"}, Write("0"), Delete(), ReadsOneOf({"0"}))));
    // Absent limits count as 4 and 2; both are under 10, so one fallback serves.
    rules.push_back(Dword(HKCU, INET, {"MaxConnectionsPer1_0Server", "MaxConnectionsPerServer"}, Write("10"),
                          Delete(), NumberAtLeast(10, 4)));
    rules.push_back(Dword(HKLM, AU, {"NoAutoUpdate"}, Write("1"), Delete(), ReadsOneOf({"1"})));
    rules.push_back(Dword(HKCU, POL, {"NoResolveTrack", "NoResolveSearch", "LinkResolveIgnoreLinkInfo"}, Write("1"),
                          Delete(), ReadsOneOf({"1"})));
    rules.push_back(std::make_unique<MenuAnimationRule>());
    rules.push_back(std::make_unique<MadeMaskRule>(std::make_unique<EditionRule>(
        NineX,
        std::make_unique<ValueRule>(ValuesOf(HKCU, POL, {"NoDriveTypeAutoRun"}, BINARY_KIND), Write("FF"),
                                    Write("95"), ReadsOneOf({"000000FF"})),
        std::make_unique<EditionRule>(IsXp, NtAutoPlay("145"), NtAutoPlay("149")))));
    rules.push_back(std::make_unique<ValueRule>(ValuesOf(HKCU, EXPL, {"link"}, BINARY_KIND), Write("0"), Write("1e"),
                                                ReadsOneOf({"00000000"})));
    rules.push_back(Dword(HKLM, OE, {"Hide Messenger"}, Write("2"), Delete(), ReadsOneOf({"2"})));
    rules.push_back(std::make_unique<MessengerRule>());
    return rules;
}

}  // namespace brisko
